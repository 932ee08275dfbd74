#pragma once
// Shared by the printing tests: a recorder in place of the printer, the outside component
// registered, the print options cleared, and helpers to find recorded calls.
#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "cliente/prueba.h"
#include "impresion/ImpresoraGrabadora.h"
#include "impresion/cImOf.h"
#include "GarobelLib/registro.h"

namespace prueba {

class Impresion : public Programa {
protected:
    std::shared_ptr<oxalde::ImpresoraGrabadora> impresora = std::make_shared<oxalde::ImpresoraGrabadora>();

    void SetUp() override {
        Programa::SetUp();
        GarobelLib_Registrar();
        oxalde::EstablecerImpresora(impresora);
        auto& o = oxalde::cImOf::Instancia();
        o.PERIODO(QString());
        o.FECHAPRE(0);
    }

    void TearDown() override {
        oxalde::EstablecerImpresora(nullptr);
        Programa::TearDown();
    }

    // The first text printed that equals `texto` (a failed expectation when there is none).
    oxalde::Llamada Texto(const QString& texto) const {
        for (const oxalde::Llamada& l : impresora->llamadas)
            if (l.op == QLatin1String("Print") && l.texto == texto) return l;
        ADD_FAILURE() << "not printed: " << texto.toStdString();
        return {};
    }

    // Whether a call of that kind with those four numbers (within 0.01 mm) was made.
    bool Hay(const QString& op, double x1, double y1, double x2, double y2) const {
        for (const oxalde::Llamada& l : impresora->De(op))
            if (std::abs(l.x1 - x1) < 0.01 && std::abs(l.y1 - y1) < 0.01 && std::abs(l.x2 - x2) < 0.01 &&
                std::abs(l.y2 - y2) < 0.01)
                return true;
        return false;
    }
};

}  // namespace prueba
