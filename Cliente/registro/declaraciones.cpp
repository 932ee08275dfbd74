#include "registro/declaraciones.h"

#include <cmath>

#include "compartido/claves_declaracion.h"
#include "compartido/biblioteca.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/importe.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

// List columns of the library's declaration list.
enum { lisFecha = 1, lisImporte = 6, lisTipo = 10, lisPeriodo = 11 };

// The amount of a list cell in whole cents: the library hands a number over; a text counts by its
// leading number.
std::int64_t Centimos(const vb::Variant& celda) {
    const double* numero = celda.Si<double>();
    return std::llround(numero ? *numero : vb::Val(celda.CStr()));
}

}  // namespace

QStringList FilaDeclaracion(const vb::Variant& lista, vb::Long fila) {
    const bool transporte = Texto(lista(lisTipo, fila)) == kModoTransporte;
    QStringList textos;
    for (int c = 0; c < kColumnasDeclaracion; ++c) {
        switch (c) {
            case colFecha:
                textos << (transporte ? cFecha::Instancia().LongToString(lista(lisFecha, fila).CLng()) : QString());
                break;
            case colPeriodo:
                textos << (transporte ? QString() : NombreTrimestre(Texto(lista(lisPeriodo, fila)).trimmed()));
                break;
            case colImporte: textos << TextoImporte(Centimos(lista(lisImporte, fila))); break;
            default: textos << Texto(lista(c, fila));
        }
    }
    return textos;
}

QString TextoNumeroDeclaraciones(vb::Long n) {
    return n > 0 ? Cadena(kIdNumDeclaracionesSeleccionadas).arg(n) : Cadena(kIdSinDeclaraciones);
}

QString PreguntaBorrado(const QStringList& fila) {
    if (fila[colTipo].trimmed() == kModoPeriodica)
        return Cadena(kIdPreguntaBorrarDeclaracionPeriodo).arg(fila[colEjercicio], fila[colPeriodo].trimmed());
    return Cadena(kIdPreguntaBorrarDeclaracionDeFecha).arg(fila[colFecha].trimmed());
}

std::optional<AvisoCabecera> AvisoDeCodigo(int codigo, vb::Long fechaMin, vb::Long fechaMax) {
    const QString min = cFecha::Instancia().LongToString(fechaMin);
    const QString max = cFecha::Instancia().LongToString(fechaMax);
    switch (codigo) {
        case 1: return AvisoCabecera{Cadena(kIdMsgFaltaFecha), cajaFecha};
        case 2: return AvisoCabecera{Cadena(kIdMsgFaltaEjercicio), cajaEjercicio};
        case 3: return AvisoCabecera{Cadena(kIdMsgFaltaPeriodo), cajaPeriodo};
        case 4: return AvisoCabecera{Cadena(kIdMsgFaltaModelo), cajaModelo};
        case 5: return AvisoCabecera{Cadena(kIdMsgEjercicioFueraDeIntervalo).arg(min, max), cajaEjercicio};
        case 6: return AvisoCabecera{Cadena(kIdMsgFechaFueraDeIntervalo).arg(min, max), cajaFecha};
        case 7: return AvisoCabecera{Cadena(kIdMsgDeclaracionRepetida), cajaEjercicio};
        case 8: return AvisoCabecera{Cadena(kIdMsgTransporteImposible), cajaFecha};
        default: return std::nullopt;
    }
}

}  // namespace oxalde
