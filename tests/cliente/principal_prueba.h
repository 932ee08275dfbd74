#pragma once
// What the main-window tests share: fresh databases, the program folder in a temporary folder,
// message boxes and modal windows answered by the test, the program's ending recorded, and the
// main window made, shown and activated on demand.
#include <QDialog>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>

#include "arranque_prueba.h"
#include "comun/bd_prueba.h"
#include "dao/dao.h"
#include "registro.h"
#include "shell/MDI7312.h"
#include "shell/fin_programa.h"
#include "shell/modal.h"

namespace prueba {

class Principal : public Programa {
protected:
    BdPrueba bd;
    QTemporaryDir carpeta;
    int respuesta = oxalde::vbYes;      // what every message box answers
    std::vector<QString> titulos;       // the titles of the boxes shown, as `mensajes`
    std::vector<QString> modales;       // names of the modal windows shown
    std::function<int(QDialog&)> alModal;  // plays the user in a modal window
    int finales = 0;                    // requests to end the program
    oxalde::MDI7312* ventana = nullptr;

    void SetUp() override {
        Programa::SetUp();
        oxalde::EstablecerRespondedor([this](const QString& texto, int estilo, const QString& titulo) {
            mensajes.push_back({texto, estilo});
            titulos.push_back(titulo);
            return respuesta;
        });
        oxalde::EstablecerConductorModal([this](QDialog& d) {
            modales.push_back(d.objectName());
            return alModal ? alModal(d) : int(QDialog::Rejected);
        });
        oxalde::EstablecerFinalizador([this] { ++finales; });
        brunsel::RegistrarClases();
        oxalde::EstablecerCarpetaPrograma(carpeta.path());
        oxalde::RutaTablas = QString::fromStdString(bd.Dir()) + "/";
        oxalde::RutaBDLectura = QString::fromStdString(bd.Lec());
        oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
        Sql("UPDATE T00_GENERAL SET T00_ActOnline = 0");
        oxalde::LeerConfiguracion();
    }

    void TearDown() override {
        delete ventana;
        oxalde::EstablecerConductorModal({});
        oxalde::EstablecerFinalizador({});
        Programa::TearDown();
    }

    // The main window, loaded, shown and through its first activation.
    oxalde::MDI7312& Abrir() {
        ventana = new oxalde::MDI7312;
        ventana->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
        return *ventana;
    }

    // Makes the window the active one and waits until the application says so.
    static bool Activar(QWidget& w) {
        w.activateWindow();
        for (int i = 0; i < 200 && !w.isActiveWindow(); ++i) QTest::qWait(5);
        return w.isActiveWindow();
    }

    void Sql(const std::string& sql) { BdPrueba::Ejecutar(bd.Mod(), sql); }

    vb::Variant Valor(const std::string& sql) {
        auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
        auto rs = db->OpenRecordset(sql);
        vb::Variant v = rs && !rs->Eof() ? rs->Fields(0) : vb::Variant();
        db->Close();
        return v;
    }

    // Adds n taxpayers named "DECLARANTE <key>".
    void Declarantes(int n) {
        for (int i = 0; i < n; ++i)
            Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('12345678Z', 'DECLARANTE ' || "
                "(SELECT COALESCE(MAX(T01_CSCO), 0) + 1 FROM T01_DECLARANTES))");
    }

    // The menu state in one line: taxpayer and utility menus, buttons 1 to 5 enabled, button 6
    // visible, d1 to d4 visible.
    static std::string Foto(const oxalde::MDI7312& v) {
        auto b = [](bool x) { return x ? '1' : '0'; };
        std::string s = "mnu=";
        s += b(v.Entrada("mnuDeclarante")->isEnabled());
        s += b(v.Entrada("mnuUtilidades")->isEnabled());
        s += " bot=";
        for (int i = 1; i <= 5; ++i) s += b(v.Boton(i)->isEnabled());
        s += " imp=";
        s += b(v.Boton(6)->isVisible());
        s += " d=";
        for (int i = 1; i <= 4; ++i) s += b(v.Reciente(i)->isVisible());
        return s;
    }
};

}  // namespace prueba
