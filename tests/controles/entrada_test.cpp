#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QClipboard>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "controles/CajaFecha.h"
#include "controles/ComboLista.h"
#include "controles/TiraPestanas.h"
#include "controles/entrada.h"
#include "insertar.h"

using oxalde::EntradaVentana;

namespace {

// A window of three boxes, the first with its lost-focus handler counted.
struct Ventana : QWidget {
    QLineEdit* a = new QLineEdit(this);
    QLineEdit* b = new QLineEdit(this);
    QLineEdit* c = new QLineEdit(this);
    EntradaVentana* entrada = new EntradaVentana(this);
    int perdidas = 0;
    Ventana() {
        auto* capas = new QVBoxLayout(this);
        for (auto* caja : {a, b, c}) capas->addWidget(caja);
        entrada->AlPerderFoco(a, [this] { ++perdidas; });
        entrada->SeleccionarAlEntrar(b);
        show();
        activateWindow();
    }
};

TEST(EntradaVentana, EnterPasaAlSiguienteYLlegaAlControl) {
    Ventana v;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.a->setFocus();
    v.b->setText("ABC");
    QSignalSpy enter(v.a, &QLineEdit::returnPressed);
    QTest::keyClick(v.a, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(enter.count(), 1);
    EXPECT_EQ(QApplication::focusWidget(), v.b);
    EXPECT_EQ(v.perdidas, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(v.b->selectedText(), "ABC");  // selected on entering
    v.entrada->EnterComoTab(false);
    QTest::keyClick(v.b, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v.b);
}

TEST(EntradaVentana, PerderFocoSoloDentroDeLaVentana) {
    Ventana v;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.a->setFocus();
    QWidget otra;  // another window taking the activation, as a message box would
    otra.show();
    otra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otra));
    EXPECT_EQ(v.perdidas, 0);
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.a->hide();  // a box being hidden has nothing pending
    EXPECT_EQ(v.perdidas, 0);
    v.a->show();
    v.a->setFocus();
    v.entrada->Descargando();
    v.c->setFocus();
    EXPECT_EQ(v.perdidas, 0);
}

// A display-only box passes the focus on in the direction it came from; once the user has
// clicked elsewhere before it could, the focus stays where the user put it.
TEST(EntradaVentana, PasarAlEntrarSigueLaDireccionYNoLaClicadaDespues) {
    Ventana v;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.entrada->PasarAlEntrar(v.b);
    v.a->setFocus();
    QTest::keyClick(v.a, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v.c);
    QTest::keyClick(v.c, Qt::Key_Backtab, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v.a);
    v.b->setFocus(Qt::MouseFocusReason);
    v.a->setFocus(Qt::MouseFocusReason);  // before the pass-on has run
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v.a);
    // The same for Enter, which moves on like Tab.
    v.c->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(v.c, Qt::Key_Return);
    v.a->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), v.a);
}

// A box stored on purpose (Accept by its access key) whose handler says something in another
// window: the activation given back to the window when that closes is no new edit, so moving on
// afterwards does not store the box, and say it, once more.
TEST(EntradaVentana, LaActivacionDevueltaNoEsUnaNuevaEdicion) {
    Ventana v;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    v.a->setFocus();
    QTest::keyClicks(v.a, "X");
    QWidget mensaje;  // what the handler shows takes the activation, then gives it back
    v.entrada->AlPerderFoco(v.a, [&] {
        ++v.perdidas;
        mensaje.show();
        mensaje.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&mensaje));
        mensaje.hide();
        v.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    });
    v.entrada->TerminarEdicion();
    ASSERT_EQ(v.perdidas, 1);
    ASSERT_EQ(QApplication::focusWidget(), v.a);  // back in the box by the activation
    v.c->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(v.perdidas, 1);
    // Typed into again, it is an edit again.
    v.a->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(v.a, "Y");
    v.c->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(v.perdidas, 2);
}

// The tab strip leaves the box being typed in before it changes tab, by a click, an access key
// or the wheel: the box's handler stores while the box still shows, then the tab hides it. A
// handler that refuses the value takes the focus back, and the tab stays. The same in a window
// left inactive (after a message box where nothing hands the activation back), where a focus
// move sends no event and access keys do nothing.
TEST(TiraPestanas, LaCajaSeDejaAntesDeCambiarDePestana) {
    enum Via { Clic, Tecla, Rueda, ClicInactiva, RuedaInactiva };
    for (bool rechaza : {false, true}) {
        for (Via via : {Clic, Tecla, Rueda, ClicInactiva, RuedaInactiva}) {
            QWidget v;
            auto* tira = new oxalde::TiraPestanas(&v);
            tira->addTab("&Uno");
            tira->addTab("&Dos");
            auto* caja = new QLineEdit(&v);
            caja->move(0, 40);
            auto* entrada = new EntradaVentana(&v);
            QStringList guardado;
            entrada->AlPerderFoco(caja, [&] {
                guardado << caja->text();
                if (rechaza) caja->setFocus(Qt::OtherFocusReason);
            });
            QObject::connect(tira, &QTabBar::currentChanged, caja, [caja](int i) { caja->setVisible(i == 0); });
            v.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
            const bool inactiva = via == ClicInactiva || via == RuedaInactiva;
            if (inactiva) {
                QT_WARNING_PUSH
                QT_WARNING_DISABLE_DEPRECATED
                QApplication::setActiveWindow(nullptr);
                QT_WARNING_POP
            }
            caja->setFocus();
            QTest::keyClicks(caja, "FRANCIA");
            if (via == Clic || via == ClicInactiva) {
                QTest::mouseClick(tira, Qt::LeftButton, {}, tira->tabRect(1).center());
            } else if (via == Tecla) {
                QTest::keyClick(caja, Qt::Key_D, Qt::AltModifier);
            } else {
                const QPointF p = tira->tabRect(0).center();
                QWheelEvent rueda(p, tira->mapToGlobal(p), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
                QApplication::sendEvent(tira, &rueda);
            }
            const std::string caso = std::to_string(via) + (rechaza ? " refused" : "");
            EXPECT_EQ(guardado, QStringList{"FRANCIA"}) << caso;
            EXPECT_EQ(tira->currentIndex(), rechaza ? 0 : 1) << caso;
            EXPECT_EQ(v.focusWidget() == caja, rechaza) << caso;
        }
    }
}

TEST(FiltrarTeclas, TecleadoPegadoOEscrito) {
    QLineEdit caja;
    oxalde::FiltrarTeclas(&caja, [](char32_t c) -> char32_t {
        if (c == U'\'') return 0;
        return QChar::toUpper(c);
    });
    QTest::keyClicks(&caja, "ab'c");
    EXPECT_EQ(caja.text(), "ABC");
    QApplication::clipboard()->setText("x'y");
    caja.paste();
    EXPECT_EQ(caja.text(), "ABCXY");
    caja.setCursorPosition(1);
    caja.insert("'q");
    EXPECT_EQ(caja.text(), "AQBCXY");
    caja.setMaxLength(8);  // a pasted text is filtered before it is cut to the box's length
    caja.setCursorPosition(1);
    QApplication::clipboard()->setText("'r's't'u");
    QTest::keyClick(&caja, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(caja.text(), "ARSQBCXY");
    // A key or a paste refused whole leaves the selected text there, and selected.
    caja.setSelection(2, 3);
    QTest::keyClick(&caja, '\'');
    QApplication::clipboard()->setText("''");
    QTest::keyClick(&caja, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(caja.text(), "ARSQBCXY");
    EXPECT_EQ(caja.selectedText(), "SQB");
    // A key or a paste the filter changed is one step to undo.
    QTest::keyClicks(&caja, "z");
    QTest::keyClick(&caja, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(caja.text(), "ARSQBCXY");
    QApplication::clipboard()->setText("w'");
    QTest::keyClick(&caja, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(caja.text(), "ARWCXY");
    QTest::keyClick(&caja, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(caja.text(), "ARSQBCXY");
}

TEST(CajaFecha, LeeLosHuecosDeLaMascara) {
    oxalde::CajaFecha f;
    f.setInputMask("99/99/9999;_");
    EXPECT_EQ(f.Text(), "__/__/____");
    f.Text("15/03/2012");
    EXPECT_EQ(f.Text(), "15/03/2012");
    f.Text("__/__/____");
    EXPECT_EQ(f.Text(), "__/__/____");
    f.setCursorPosition(0);
    QTest::keyClicks(&f, "1503");
    EXPECT_EQ(f.Text(), "15/03/____");
}

// A key or a paste the mask refuses whole, or that brings no digit and would take some (the mask's
// separators alone), leaves the date and its selection as they were; what it takes, and a
// deletion, replace the selection as always.
TEST(CajaFecha, LoQueLaMascaraRechazaNoBorraLaSeleccion) {
    using prueba::Via;
    struct Caso {
        int desde, largo;
        Via via;
        const char* texto;  // typed or pasted
        const char* final;
        int cursor;  // where a changed date leaves it
    } casos[] = {
        {0, 10, Via::Teclas, "x", "15/03/2012", -1},
        {3, 2, Via::Teclas, "x", "15/03/2012", -1},
        {3, 2, Via::CtrlV, "ab", "15/03/2012", -1},
        {3, 2, Via::CtrlV, "1x", "15/1_/2012", 4},
        {3, 2, Via::Teclas, "0", "15/0_/2012", 4},
        {3, 2, Via::Retroceso, "", "15/__/2012", 3},
        {0, 10, Via::CtrlV, "x/y/z", "15/03/2012", -1},
        {0, 10, Via::CtrlV, "ab/cd/efgh", "15/03/2012", -1},
        {0, 10, Via::MayusInsert, "--/--/----", "15/03/2012", -1},
        {3, 7, Via::Menu, "--/--/----", "15/03/2012", -1},
        {0, 5, Via::Teclas, "/", "15/03/2012", -1},
    };
    oxalde::CajaFecha f;
    f.setInputMask("99/99/9999;_");
    for (const Caso& c : casos) {
        f.Text("15/03/2012");
        f.setSelection(c.desde, c.largo);
        prueba::Insertar(&f, c.via, c.texto);
        const std::string caso = std::to_string(c.desde) + " " + c.texto;
        EXPECT_EQ(f.Text(), c.final) << caso;
        if (c.cursor < 0) {
            EXPECT_EQ(f.selectionStart(), c.desde) << caso;
            EXPECT_EQ(f.selectionLength(), c.largo) << caso;
        } else {
            EXPECT_FALSE(f.hasSelectedText()) << caso;
            EXPECT_EQ(f.cursorPosition(), c.cursor) << caso;
        }
    }
}

// Given the focus by code, by Tab or by an access key, the box takes digits typed at once: from
// its first blank, or from its first place when it is full.
TEST(CajaFecha, ElFocoPoneElCursorEnElPrimerHueco) {
    QWidget v;
    auto* antes = new QLineEdit(&v);
    auto* etiqueta = new QLabel("&Fecha", &v);
    auto* fecha = new oxalde::CajaFecha(&v);
    etiqueta->setBuddy(fecha);
    auto* capas = new QVBoxLayout(&v);
    for (QWidget* w : {static_cast<QWidget*>(antes), static_cast<QWidget*>(etiqueta), static_cast<QWidget*>(fecha)})
        capas->addWidget(w);
    fecha->setInputMask("99/99/9999;_");
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    struct Caso {
        const char *como, *antes, *tecleado, *despues;
    } casos[] = {
        {"codigo", "__/__/____", "15032012", "15/03/2012"}, {"tab", "15/03/____", "2012", "15/03/2012"},
        {"atajo", "__/__/____", "0104", "01/04/____"},     {"codigo", "15/03/2012", "16", "16/03/2012"},
        {"tab", "15/03/2012", "2", "25/03/2012"},
    };
    for (const Caso& c : casos) {
        antes->setFocus();
        fecha->Text(c.antes);  // the cursor ends after the text, as a window's write leaves it
        if (c.como == std::string("codigo"))
            fecha->setFocus();
        else if (c.como == std::string("tab"))
            QTest::keyClick(antes, Qt::Key_Tab);
        else
            QTest::keyClick(antes, Qt::Key_F, Qt::AltModifier);
        ASSERT_EQ(QApplication::focusWidget(), fecha) << c.como;
        QTest::keyClicks(fecha, c.tecleado);
        EXPECT_EQ(fecha->Text(), c.despues) << c.como << " " << c.antes;
    }
}

TEST(ComboLista, IndiceTextoYClick) {
    oxalde::ComboLista c;
    QSignalSpy clics(&c, &oxalde::ComboLista::Click);
    c.addItems({"731", "732"});
    EXPECT_EQ(c.ListIndex(), -1);  // filling selects nothing
    EXPECT_EQ(c.Text(), "");
    c.ListIndex(1);
    EXPECT_EQ(c.Text(), "732");
    c.ListIndex(-1);
    c.ListIndex(0);
    EXPECT_EQ(clics.count(), 2);
    c.ItemData(0, 4);
    EXPECT_EQ(c.ItemData(0).toInt(), 4);
    c.Locked(true);
    c.TabStop(false);
    EXPECT_TRUE(c.Locked());
    EXPECT_FALSE(c.TabStop());
}

TEST(ComboLista, DesplegarNoQuitaLasTeclas) {
    QWidget v;
    auto* c = new oxalde::ComboLista(&v);
    c->addItems({"1ºtrimestre", "2ºtrimestre", "[raro"});
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    c->setFocus();
    c->setEditText("");
    c->Desplegar();
    QTest::keyClicks(c->lineEdit(), "2");
    EXPECT_EQ(c->Text(), "2");
    EXPECT_TRUE(c->completer()->popup()->isVisible());
    EXPECT_EQ(c->completer()->completionCount(), 1);
    c->setEditText("[");
    c->Desplegar();  // literal: "[" is an ordinary character
    EXPECT_EQ(c->completer()->completionCount(), 1);
}

}  // namespace
