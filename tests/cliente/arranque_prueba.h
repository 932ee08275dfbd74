#pragma once
// What the start-up tests share: captured message boxes, a clock that moves on by itself, and
// the program-wide values put back as they were after each test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <vector>

#include "actualizacion/cActOnline.h"
#include "shell/CEntrada.h"
#include "shell/general.h"
#include "shell/mensajes.h"
#include "shell/cFecha.h"
#include "shell/reloj.h"

namespace prueba {

struct Mensaje {
    QString texto;
    int estilo;
};

// Every wait step moves the time on by `paso` ms and runs the pending events once.
class RelojFalso : public oxalde::Reloj {
public:
    qint64 ahora = 100000;
    qint64 paso = 10;
    std::function<void(RelojFalso&)> alProcesar;
    qint64 AhoraMs() override { return ahora; }
    void ProcesarEventos() override {
        QCoreApplication::processEvents();
        ahora += paso;
        if (alProcesar) alProcesar(*this);
    }
};

class Programa : public ::testing::Test {
protected:
    std::vector<Mensaje> mensajes;
    RelojFalso reloj;

    QString fechaIdioma;

    void SetUp() override {
        fechaIdioma = oxalde::cFecha::Instancia().fecidioma();
        oxalde::EstablecerRespondedor([this](const QString& texto, int estilo, const QString&) {
            mensajes.push_back({texto, estilo});
            return int(oxalde::vbOK);
        });
        oxalde::EstablecerReloj(&reloj);
    }

    void TearDown() override {
        oxalde::EstablecerRespondedor({});
        oxalde::EstablecerReloj(nullptr);
        oxalde::EstablecerLectorVersion({});
        oxalde::EstablecerCarpetaPrograma({});
        oxalde::DesplIdioma = 0;
        oxalde::VersionPrograma.clear();
        oxalde::RutaTablas.clear();
        oxalde::RutaBDLectura.clear();
        oxalde::RutaBDModificable.clear();
        oxalde::cActOnline::Instancia().ActOnline(0);
        oxalde::cFecha::Instancia().fecidioma(fechaIdioma);
    }
};

}  // namespace prueba
