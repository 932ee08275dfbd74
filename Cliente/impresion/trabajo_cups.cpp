#include "impresion/trabajo_cups.h"

#include <cups/cups.h>

#include "impresion/fallos_impresora.h"

namespace oxalde {

namespace {

// The queue's own options (the user's saved printer settings, as lp applies them); a named
// instance "queue/instance" is sent to its queue with the instance's options.
struct Destino {
    cups_dest_t* dest = nullptr;
    explicit Destino(const QString& impresora) {
        const QByteArray nombre = impresora.section('/', 0, 0).toUtf8();
        const QByteArray instancia = impresora.section('/', 1).toUtf8();
        dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nombre.constData(),
                                instancia.isEmpty() ? nullptr : instancia.constData());
    }
    ~Destino() {
        if (dest) cupsFreeDests(1, dest);
    }
    Destino(const Destino&) = delete;
    Destino& operator=(const Destino&) = delete;
};

}  // namespace

int EnviarTrabajoCups(const QString& impresora, const QString& pdf, const QString& titulo) {
    const Destino destino(impresora);
    if (!destino.dest) LanzarFalloImpresora(FalloImpresora::TrabajoRechazado);
    const int trabajo = cupsPrintFile2(CUPS_HTTP_DEFAULT, destino.dest->name, pdf.toLocal8Bit().constData(),
                                       titulo.toUtf8().constData(), destino.dest->num_options, destino.dest->options);
    if (trabajo > 0) return trabajo;
    LanzarFalloImpresora(cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS ? FalloImpresora::NoAceptaTrabajos
                                                                               : FalloImpresora::TrabajoRechazado);
}

}  // namespace oxalde
