#include "impresion/trabajo_cups.h"

#include <cups/cups.h>

#include "impresion/fallos_impresora.h"

namespace oxalde {

int EnviarTrabajoCups(const QString& impresora, const QString& pdf, const QString& titulo) {
    const int trabajo = cupsPrintFile2(CUPS_HTTP_DEFAULT, impresora.toUtf8().constData(), pdf.toLocal8Bit().constData(),
                                       titulo.toUtf8().constData(), 0, nullptr);
    if (trabajo > 0) return trabajo;
    LanzarFalloImpresora(cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS ? FalloImpresora::NoAceptaTrabajos
                                                                               : FalloImpresora::TrabajoRechazado);
}

}  // namespace oxalde
