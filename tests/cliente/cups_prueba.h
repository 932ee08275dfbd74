#pragma once
// A print server of the test's own: cupsd on a private configuration folder, listening on a free
// local port, with one queue ("Oxalde", the default) whose backend drops each job as a file in a
// folder. The program's print calls reach it through CUPS_SERVER. Where cupsd is missing or cannot
// start, Motivo() says why and the tests skip.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace prueba {

class ServidorCups {
public:
    ServidorCups();
    ~ServidorCups();
    ServidorCups(const ServidorCups&) = delete;
    ServidorCups& operator=(const ServidorCups&) = delete;

    // Empty once the server runs with its queue; otherwise why it does not.
    const QString& Motivo() const { return motivo_; }
    // The queue refuses new jobs (cupsreject) or takes them again (cupsaccept).
    bool Rechazar(bool rechazar);
    // The files the queue has printed, in the order of their jobs, once `esperados` have landed
    // (or after a few seconds).
    QStringList Impresos(int esperados) const;
    // Every job the server knows of, printed or not.
    int Trabajos() const;

private:
    QTemporaryDir raiz_;
    QString servidor_;  // 127.0.0.1:port
    QString motivo_;
    QByteArray entornoAnterior_;
    std::unique_ptr<QProcess> cupsd_;

    bool Configurar(int puerto);
    bool Arrancar();
    bool Ejecutar(const QString& programa, const QStringList& argumentos);
    QString Registro() const;
};

}  // namespace prueba
