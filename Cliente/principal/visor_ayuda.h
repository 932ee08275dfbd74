#pragma once
// Our help viewer. A help file "X.chm" is a folder of that name holding its topics as HTML
// pages, and "X.chm::/topic" names the page "topic" in it. Each owner window has one help
// window, reused for every topic it shows: it opens over the middle of the owner's window, and
// Esc closes it, giving the activation back to the owner's window.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace oxalde {

class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    explicit VentanaAyuda(QWidget* propietario);

    void MostrarPagina(const QString& pagina);
    QTextBrowser* Navegador() const { return navegador_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QTextBrowser* navegador_;
    void Colocar(const QWidget* sobre);
};

// The page a help path names ("X.chm::/topic" -> "X.chm/topic").
QString PaginaDeAyuda(const QString& ruta);

// Shows the topic that the path names in the owner's help window and answers that window; a
// topic page that does not exist shows nothing and answers nullptr.
VentanaAyuda* HtmlHelp(QWidget* propietario, const QString& ruta);

}  // namespace oxalde
