#include "principal/ayuda.h"

#include "compartido/general.h"
#include "compartido/procedimientos.h"
#include "principal/visor_ayuda.h"

namespace oxalde {

QString RutaAyuda(const QString& tema) {
    return CarpetaPrograma() +
           TextoIdioma(QStringLiteral("/Ayuda/Ayuda.chm::/"), QStringLiteral("/Ayuda/Laguntza.chm::/")) + tema;
}

void MostrarAyuda(const QString& tema, QWidget* ventana) { HtmlHelp(ventana, RutaAyuda(tema)); }

}  // namespace oxalde
