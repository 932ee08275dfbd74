#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <random>

#include "controles/Pindaro.h"
#include "insertar.h"
#include "vb/formato.h"

using oxalde::Pindaro;

namespace {

const QString kImporte = "#,###,###,###,##0.00";

void Preparar(Pindaro& p, Pindaro::Modo modo, const QString& formato, int decimales, int enteros) {
    p.modo(modo);
    p.formato(formato);
    p.decimales(decimales);
    p.enteros(enteros);
}

TEST(Pindaro, ValorEscritoYLeidoSinRegionalidad) {
    struct Caso {
        Pindaro::Modo modo;
        QString formato;
        int decimales;
        QString escrito, mostrado, leido;
    } casos[] = {
        {Pindaro::Importe, kImporte, 2, "1.234,56", "1.234,56", "123456"},
        {Pindaro::Importe, kImporte, 2, "1.234", "1.234,00", "123400"},  // points group thousands
        {Pindaro::Importe, kImporte, 2, "-5,00", "-5,00", "-500"},
        {Pindaro::Importe, kImporte, 2, "", "", ""},
        {Pindaro::Importe, kImporte, 2, "9.999.999.999.999,99", "9.999.999.999.999,99", "999999999999999"},
        {Pindaro::Importe, kImporte, 2, "49.999.999.999,99", "49.999.999.999,99", "4999999999999"},
        {Pindaro::Importe, kImporte, 2, "0,005", "0,01", "1"},
        {Pindaro::Importe, kImporte, 2, "2,675", "2,68", "268"},
        {Pindaro::Decimal, "#,##0.00", 2, "12,35", "12,35", "12.35"},
        {Pindaro::Decimal, "#,##0.00", 2, "1.212,3", "1.212,30", "1212.30"},
        {Pindaro::Entero, "00", 0, "1", "01", "01"},
        {Pindaro::Entero, "#,###,###", 0, "1234567", "1.234.567", "1234567"},
        {Pindaro::Entero, "#,###,###", 0, "1.234.567", "1.234.567", "1234567"},
        {Pindaro::Entero, "####", 0, "2012", "2012", "2012"},
        {Pindaro::Entero, "####", 0, "0", "", ""},
    };
    for (const auto& c : casos) {
        Pindaro p;
        Preparar(p, c.modo, c.formato, c.decimales, 13);
        p.valor(c.escrito);
        p.texto(p.valor());
        EXPECT_EQ(p.text(), c.mostrado) << c.escrito.toStdString();
        EXPECT_EQ(p.valor(), c.leido) << c.escrito.toStdString();
    }
}

TEST(Pindaro, TecleoYPegadoPasanPorLasMismasReglas) {
    Pindaro anio;
    Preparar(anio, Pindaro::Entero, "####", 0, 4);
    anio.maxlength(5);
    QTest::keyClicks(&anio, "2a0135");
    EXPECT_EQ(anio.text(), "2013");  // letters out, never a fifth digit
    anio.clear();
    anio.insert("19x95");  // pasted text: the same rules
    EXPECT_EQ(anio.text(), "1995");

    Pindaro importe;
    Preparar(importe, Pindaro::Importe, kImporte, 2, 13);
    QTest::keyClicks(&importe, "1.234,50,7");  // points group, the first comma starts two decimals
    EXPECT_EQ(importe.text(), "1.234,50");
    EXPECT_EQ(importe.valor(), "123450");
    importe.clear();
    importe.insert("1.234,50");
    EXPECT_EQ(importe.valor(), "123450");
    importe.clear();
    QTest::keyClicks(&importe, "12");
    QTest::keyClick(&importe, Qt::Key_Period, Qt::KeypadModifier);  // the keypad's decimal key
    QTest::keyClicks(&importe, "5");
    EXPECT_EQ(importe.text(), "12,5");
    EXPECT_EQ(importe.valor(), "1250");

    // A box that does not group thousands takes the first point as the decimal comma.
    Pindaro eslora;
    Preparar(eslora, Pindaro::Decimal, "##0.00", 2, 3);
    QTest::keyClicks(&eslora, "12.3.5");
    EXPECT_EQ(eslora.text(), "12,35");
    EXPECT_EQ(eslora.valor(), "12.35");

    Pindaro clasif;
    Preparar(clasif, Pindaro::Entero, "00", 0, 2);
    clasif.KeyPress = [](char32_t& c) {
        if (c == U'7') c = 0;
    };
    clasif.insert("1779");
    EXPECT_EQ(clasif.text(), "19");
    clasif.locked(true);
    QTest::keyClicks(&clasif, "5");
    EXPECT_EQ(clasif.text(), "19");
}

// Pasted text is filtered first and then cut to the box's length, by every road of pasting.
TEST(Pindaro, PegadoFiltradoYLuegoCortado) {
    Pindaro anio;
    Preparar(anio, Pindaro::Entero, "####", 0, 4);
    anio.maxlength(4);
    QGuiApplication::clipboard()->setText("a2b0c1d2e");
    QTest::keyClick(&anio, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(anio.text(), "2012");
    EXPECT_EQ(anio.maxlength(), 4);
    anio.clear();
    anio.paste();
    EXPECT_EQ(anio.text(), "2012");
    anio.setCursorPosition(2);
    anio.paste();  // no room left
    EXPECT_EQ(anio.text(), "2012");

    Pindaro importe;
    Preparar(importe, Pindaro::Importe, kImporte, 2, 13);
    importe.maxlength(8);
    QGuiApplication::clipboard()->setText("€ 1.234,50");
    QTest::keyClick(&importe, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(importe.text(), "1.234,50");
}

// Input the box refuses whole (a letter, letters pasted, more digits than it takes, a box already
// full) leaves its text and its selection as they were, by every road; what it takes in part
// still replaces the selection, and a deletion still deletes. Undo after a filtered insertion gives
// back what was there before it.
TEST(Pindaro, LoRechazadoDejaElTextoYLaSeleccion) {
    using prueba::Via;
    struct Caso {
        bool anio;  // the 4-digit year box of length 4, else an amount box
        QString inicial;
        int desde, largo;  // the selection, or the cursor when largo is 0
        Via via;
        const char* texto;  // typed, pasted or dropped
        QString final;
        int finDesde, finLargo;
        const char* deshecho = nullptr;  // the text after Ctrl+Z, when pressed
    } casos[] = {
        {false, "0,50", 0, 4, Via::Teclas, "x", "0,50", 0, 4},
        {false, "0,50", 0, 4, Via::CtrlV, "abc", "0,50", 0, 4},
        {false, "0,50", 0, 4, Via::CtrlV, "12345678901234", "0,50", 0, 4},  // fourteen integer digits
        {false, "1.234,50", 2, 3, Via::Teclas, "q", "1.234,50", 2, 3},
        {false, "1.234,50", 6, 2, Via::Teclas, ",", "1.234,50", 6, 2},  // a second comma
        {false, "0,50", 1, 0, Via::Teclas, "x", "0,50", 1, 0},
        {false, "0,50", 0, 4, Via::Soltar, "x", "0,50", 0, 0},  // a drop lands at its point
        {false, "0,50", 0, 4, Via::Soltar, "5", "50,50", 1, 0},
        {false, "0,50", 0, 4, Via::CtrlV, "12ab", "12", 2, 0},
        {false, "0,50", 0, 4, Via::Retroceso, "", "", 0, 0},
        {true, "2012", 1, 2, Via::CtrlV, "999", "2012", 1, 2},
        {true, "2012", 1, 2, Via::CtrlV, "9x9", "2992", 3, 0},
        {true, "2012", 4, 0, Via::Teclas, "5", "2012", 4, 0},
        {false, "0,50", 0, 4, Via::CtrlV, "1a2,5", "12,5", 4, 0, "0,50"},
        {false, "0,50", 0, 4, Via::MayusInsert, "€ 3", "3", 1, 0, "0,50"},
        {false, "0,50", 0, 4, Via::Menu, "x7", "7", 1, 0, "0,50"},
        {false, "0,50", 0, 4, Via::Soltar, "9z", "90,50", 1, 0, "0,50"},
        {true, "2012", 1, 2, Via::CtrlV, "3y4", "2342", 3, 0, "2012"},
    };
    for (const Caso& c : casos) {
        Pindaro p;
        if (c.anio) {
            Preparar(p, Pindaro::Entero, "####", 0, 4);
            p.maxlength(4);
        } else {
            Preparar(p, Pindaro::Importe, kImporte, 2, 13);
        }
        p.valor(c.inicial);
        p.setSelection(c.desde, c.largo);
        prueba::Insertar(&p, c.via, c.texto);
        const std::string caso = c.inicial.toStdString() + " " + std::to_string(int(c.via)) + " " + c.texto;
        EXPECT_EQ(p.text(), c.final) << caso;
        EXPECT_EQ(p.SelStart(), c.finDesde) << caso;
        EXPECT_EQ(p.SelLength(), c.finLargo) << caso;
        if (!c.deshecho) continue;
        QTest::keyClick(&p, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(p.text(), c.deshecho) << caso;
    }
}

// Whatever amount a window writes, the box reads back the same cents, before and after the
// box has been left.
TEST(Pindaro, LeeLosMismosCentimosQueSeEscribieron) {
    QWidget ventana;
    auto* caja = new Pindaro(&ventana);
    auto* otra = new QLineEdit(&ventana);
    Preparar(*caja, Pindaro::Importe, kImporte, 2, 13);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    std::mt19937_64 azar(732);
    for (int i = 0; i < 2000; ++i) {
        long long maximo = 1;
        for (int d = int(azar() % 15) + 1; d > 0; --d) maximo *= 10;
        const long long centimos = 1 + (long long)(azar() % uint64_t(maximo - 1));
        caja->valor(QString::fromStdString(vb::Format(double(centimos) / 100, kImporte.toStdString())));
        caja->texto(caja->valor());
        ASSERT_EQ(caja->valor().toStdString(), std::to_string(centimos));
        caja->setFocus();
        otra->setFocus();
        ASSERT_EQ(caja->valor().toStdString(), std::to_string(centimos)) << caja->text().toStdString();
    }
}

TEST(Pindaro, CambioSoloCuandoCambiaElValor) {
    Pindaro p;
    Preparar(p, Pindaro::Importe, kImporte, 2, 13);
    QSignalSpy cambios(&p, &Pindaro::cambio);
    p.valor("10,00");
    p.valor("10,00");
    EXPECT_EQ(cambios.count(), 1);
    QTest::keyClicks(&p, "5");  // a third decimal is refused: nothing changes
    EXPECT_EQ(cambios.count(), 1);
    p.selectAll();
    QTest::keyClicks(&p, "5");
    EXPECT_EQ(cambios.count(), 2);
    p.selectAll();
    EXPECT_EQ(p.SelStart(), 0);
    EXPECT_EQ(p.SelLength(), p.Text().size());
}

}  // namespace

// A value too long for the box is shown whole in a smaller letter; a shorter one, and a letter
// the window gives later, bring the box's own letter back.
TEST(Pindaro, ImporteLargoEnLetraMenorYElCortoEnLaSuya) {
    Pindaro p;
    Preparar(p, Pindaro::Importe, kImporte, 2, 13);
    QFont letra("Verdana");
    letra.setPointSize(8);
    p.setFont(letra);
    p.resize(110, 22);
    p.show();
    auto cabe = [&p] { return QFontMetrics(p.font()).horizontalAdvance(p.text()) <= oxalde::AnchoTextoCaja(p); };
    p.valor("9.999.999.999.999,99");
    EXPECT_TRUE(cabe());
    EXPECT_LT(p.font().pointSizeF(), 8);
    p.valor("1,00");
    EXPECT_EQ(p.font(), letra);
    letra.setPointSize(9);
    p.setFont(letra);
    p.valor("99.999.999,99");
    p.resize(80, 22);  // a narrower box shrinks what it shows again
    EXPECT_TRUE(cabe());
    p.resize(300, 22);
    EXPECT_EQ(p.font(), letra);
}
