#pragma once
// The stand-in update service of the version-check tests, a Python script in its own process
// (the check blocks this thread while it waits for an answer).
#include <QProcess>
#include <QString>
#include <QStringList>

namespace prueba {

class Servicio {
public:
    Servicio() {
        proceso_.start(QStringLiteral(OXALDE_PYTHON3), {QStringLiteral(OXALDE_DIR_FIXTURAS "/servicio_version.py")});
        proceso_.waitForStarted(15000);
        while (!proceso_.canReadLine() && proceso_.waitForReadyRead(15000)) {
        }
        puerto_ = proceso_.readLine().trimmed().toInt();
    }
    ~Servicio() { Parar(); }
    void Parar() {
        if (proceso_.state() == QProcess::NotRunning) return;
        proceso_.closeWriteChannel();
        if (!proceso_.waitForFinished(3000)) proceso_.kill(), proceso_.waitForFinished(1000);
    }
    int Puerto() const { return puerto_; }
    QString Direccion(const char* escenario) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(puerto_).arg(QLatin1String(escenario));
    }
    // The requests received since the last call, one "METHOD path?query" each; a request is
    // written before it is answered, so `esperaMs` only covers the pipe.
    QStringList Peticiones(int esperaMs = 1000) {
        if (proceso_.bytesAvailable() == 0) proceso_.waitForReadyRead(esperaMs);
        return QString::fromUtf8(proceso_.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QProcess proceso_;
    int puerto_ = 0;
};

}  // namespace prueba
