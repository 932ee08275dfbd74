#include "intercambio/errores_importacion.h"

#include <array>

#include "intercambio/formato_contri.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

// The rule messages read the same in both languages.
constexpr std::array<const char*, 22> kReglas{
    "El DNI-CIF es erróneo",
    "El Nombre debe tener algún valor",
    "El Domicilio debe tener algún valor",
    "El Código de Provincia y el Código Postal no coinciden",
    "El Código Postal debe ser un número de 5 cifras",
    "Los tres últimos dígitos del Código Postal deben ser distintos de cero",
    "El Código Postal debe ser distinto de cero",
    "El Nombre de Municipio debe tener algún valor",
    "El Código de Provincia debe tener algún valor",
    "El Código de Municipio debe tener algún valor",
    "El número de portal debe ser un número",
    "El Código de Provincia debe ser un número",
    "El Código Postal debe ser un número",
    "El Código de Municipio debe ser un número",
    "El contador de declaraciones 731 debe ser un número",
    "El contador de declaraciones 732 debe ser un número",
    "Al no ser la provincia Kelmoria, el Código de Municipio debe ser 000",
    "La Sigla del Domicilio no es una de las admisibles",
    "El Código de Provincia no es uno de los admisibles",
    "El Código de Municipio no es uno de los admisibles",
    "El Teléfono debe ser un número de 9 dígitos",
    "El Teléfono debe ser distinto de cero",
};

// The line's number, then what was found on it.
QString EnLinea(qint32 linea, const QString& hallazgo) {
    return Cadena(kIdLineaImportacion).arg(QString::number(linea), hallazgo);
}

}  // namespace

QString LineaErrorRegla(qint32 linea, int codigo) {
    const bool conocido = codigo >= 1 && codigo <= static_cast<int>(kReglas.size());
    return EnLinea(linea, conocido ? QString::fromUtf8(kReglas[codigo - 1]) : QString::number(codigo));
}

QString LineaErrorControl(qint32 linea, const char* campo) {
    return EnLinea(linea, Cadena(kIdMsgCaracteresDeControl).arg(QString::fromLatin1(campo)));
}

QString LineaErrorCorta(qint32 linea) { return Cadena(kIdLineaImportacionCorta).arg(linea); }

QString LineaErrorRegistrado(qint32 linea) { return EnLinea(linea, QStringLiteral("El DNI-CIF ya está registrado")); }

QString LineaErrorFallo(qint32 linea, qint32 numero, const QString& descripcion) {
    return EnLinea(linea, QStringLiteral("ERROR Nº: ") + QString::number(numero) + QStringLiteral(": ") + descripcion);
}

QStringList LeyendaFormato() {
    QStringList lineas{QString(), QStringLiteral("FORMATO: ")};
    for (const CampoLinea& c : CamposLinea()) {
        const QString etiqueta = QString::fromLatin1(c.etiqueta);
        lineas << QStringLiteral("         ") + etiqueta + u'(' + QString::number(c.ancho) + u')';
    }
    return lineas;
}

}  // namespace oxalde
