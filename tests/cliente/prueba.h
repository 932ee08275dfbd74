#pragma once
// Shared by the program's tests: captured message boxes and modal windows, a clock that moves on
// by itself, fresh databases, the main window on demand, and every program-wide value put back.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QString>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "GarobelLib/algoritmos.h"
#include "GarobelLib/cMiscelaneos.h"
#include "actualizacion/cActOnline.h"
#include "comun/bd_prueba.h"
#include "dao/dao.h"
#include "servicios/registro.h"
#include "compartido/CEntrada.h"
#include "principal/MDI7312.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/fin_programa.h"
#include "compartido/general.h"
#include "principal/arranque.h"
#include "principal/menu_principal.h"
#include "compartido/mensajes.h"
#include "compartido/modal.h"
#include "compartido/reloj.h"
#include "controles/Pindaro.h"

namespace prueba {

struct Mensaje {
    QString texto;
    int estilo;
};

// The key that goes with Alt in a caption's access-key mark ("Datos &técnicos": T), 0 for none.
inline int TeclaDeAcceso(const QString& texto) {
    for (qsizetype i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] != u'&') continue;
        if (texto[i + 1] != u'&') return texto[i + 1].toUpper().unicode();
        ++i;
    }
    return 0;
}

// Presses a control as the user does: Alt and its access key in the control that holds the
// focus when `tecla` and the caption has one, otherwise a click at `punto` (its middle if none).
inline void Accionar(QWidget* control, const QString& caption, bool tecla, QPoint punto = {}) {
    if (const int k = TeclaDeAcceso(caption); tecla && k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), Qt::AltModifier);
    else
        QTest::mouseClick(control, Qt::LeftButton, {}, punto);
}

// Changes to tab i as the user does: its access key, or a click on it.
inline void CambiarPestana(QTabBar* tira, int i, bool tecla) {
    Accionar(tira, tira->tabText(i), tecla, tira->tabRect(i).center());
}

// A valid account of an entity in the bank list, as an IBAN.
inline QString IbanValido() {
    GarobelLib::cMiscelaneos componente;
    const std::string cuenta = "0019002000" + std::string("0000012345");
    return QString::fromStdString(
        componente.calcularIban(cuenta.substr(0, 8) + GarobelLib::DigitosControlCuenta(cuenta) + cuenta.substr(10)));
}

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
    std::vector<QString> titulos;
    int respuesta = oxalde::vbYes;  // what every message box answers
    RelojFalso reloj;
    QString fechaIdioma;

    void SetUp() override {
        fechaIdioma = oxalde::cFecha::Instancia().fecidioma();
        oxalde::EstablecerRespondedor([this](const QString& texto, int estilo, const QString& titulo) {
            mensajes.push_back({texto, estilo});
            titulos.push_back(titulo);
            return respuesta;
        });
        oxalde::EstablecerReloj(&reloj);
        // A version check never reaches the network unless a test points it somewhere, and its
        // outcome window never waits for a user.
        oxalde::cActOnline::Instancia().URLAct({});
        oxalde::EstablecerConductorModal([](QDialog&) { return int(QDialog::Rejected); });
    }

    void TearDown() override {
        oxalde::EstablecerRespondedor({});
        oxalde::EstablecerReloj(nullptr);
        oxalde::EstablecerConductorModal({});
        oxalde::EstablecerLectorVersion({});
        oxalde::EstablecerCarpetaPrograma({});
        oxalde::DesplIdioma = 0;
        oxalde::VersionPrograma.clear();
        oxalde::RutaTablas.clear();
        oxalde::RutaBDLectura.clear();
        oxalde::RutaBDModificable.clear();
        oxalde::BaseSinEscritura = false;
        oxalde::cActOnline::Instancia().ActOnline(0);
        oxalde::cFecha::Instancia().fecidioma(fechaIdioma);
    }
};

// Fresh databases in use, the program folder in a temporary folder, and the main window.
class Principal : public Programa {
protected:
    BdPrueba bd;
    QTemporaryDir carpeta;
    std::vector<QString> modales;          // names of the modal windows shown
    std::function<int(QDialog&)> alModal;  // plays the user in a modal window
    int finales = 0;                       // requests to end the program
    oxalde::MDI7312* ventana = nullptr;

    void SetUp() override {
        Programa::SetUp();
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

    // The frame's child window of type T (and named `nombre`, if given); none if there is none.
    template <class T = QWidget>
    T* Hija(const QString& nombre = {}) const {
        for (QMdiSubWindow* sub : ventana->Area()->subWindowList())
            if (auto* w = qobject_cast<T*>(sub->widget()); w && (nombre.isEmpty() || w->objectName() == nombre))
                return w;
        return nullptr;
    }
    // The window in front in the frame, if it is a T.
    template <class T = QWidget>
    T* Activa() const {
        QMdiSubWindow* sub = ventana->Area()->activeSubWindow();
        return sub ? qobject_cast<T*>(sub->widget()) : nullptr;
    }

    // Start-up's folders: the program folder "<carpeta>/Cliente" beside "<carpeta>/Tablas", which
    // holds sound copies of both databases.
    QString Tablas() const { return carpeta.path() + "/Tablas/"; }
    void PrepararArranque() {
        QDir(carpeta.path()).mkpath("Cliente");
        oxalde::EstablecerCarpetaPrograma(carpeta.path() + "/Cliente");
        QDir(carpeta.path()).mkpath("Tablas");
        QFile::copy(QString::fromStdString(bd.Lec()), Tablas() + "731_2Lec.mdb");
        QFile::copy(QString::fromStdString(bd.Mod()), Tablas() + "731_2Mod.mdb");
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
        std::string s = {'m', 'n', 'u', '=', b(v.Entrada("mnuDeclarante")->isEnabled()),
                         b(v.Entrada("mnuUtilidades")->isEnabled()), ' ', 'b', 'o', 't', '='};
        for (int i = 1; i <= 5; ++i) s += b(v.Boton(i)->isEnabled());
        s += std::string(" imp=") + b(v.Boton(6)->isVisible()) + " d=";
        for (int i = 1; i <= 4; ++i) s += b(v.Reciente(i)->isVisible());
        return s;
    }
};

// Closes the main windows a start-up left, and lets them go.
inline void CerrarPrincipales() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<oxalde::MDI7312*>(w)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Writes the largest amount a box takes into every amount box of the window, as the window's
// repaint writes it, and names the boxes that would not show it whole.
inline std::string ImportesCortados(QWidget& ventana) {
    std::string cortadas;
    for (oxalde::Pindaro* caja : ventana.findChildren<oxalde::Pindaro*>()) {
        if (caja->modo() != oxalde::Pindaro::Importe) continue;
        caja->valor(QStringLiteral("9.999.999.999.999,99"));
        caja->texto(caja->valor());
        if (caja->text() != QStringLiteral("9.999.999.999.999,99") ||
            QFontMetrics(caja->font()).horizontalAdvance(caja->text()) > oxalde::AnchoTextoCaja(*caja))
            cortadas += caja->objectName().toStdString() + " ";
    }
    return cortadas;
}

}  // namespace prueba
