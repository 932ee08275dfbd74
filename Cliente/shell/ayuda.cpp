#include "shell/ayuda.h"

#include "shell/general.h"
#include "shell/procedimientos.h"
#include "shell/visor_ayuda.h"

namespace oxalde {

QString RutaAyuda(const QString& tema) {
    return CarpetaPrograma() +
           TextoIdioma(QStringLiteral("/Ayuda/Ayuda.chm::/"), QStringLiteral("/Ayuda/Laguntza.chm::/")) + tema;
}

void MostrarAyuda(const QString& tema, QWidget* ventana) { HtmlHelp(ventana, RutaAyuda(tema)); }

}  // namespace oxalde
