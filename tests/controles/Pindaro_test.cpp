#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controles/Pindaro.h"

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
        {Pindaro::Importe, kImporte, 2, "1234.56", "1.234,56", "123456"},
        {Pindaro::Importe, kImporte, 2, "-5,00", "-5,00", "-500"},
        {Pindaro::Importe, kImporte, 2, "", "", ""},
        {Pindaro::Decimal, "#,##0.00", 2, "12,35", "12,35", "12.35"},
        {Pindaro::Decimal, "#,##0.00", 2, "12.35", "12,35", "12.35"},
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
    QTest::keyClicks(&importe, "12.345,6");  // the first point becomes the decimal comma
    EXPECT_EQ(importe.text(), "12,34");
    EXPECT_EQ(importe.valor(), "1234");

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
