// The program's texts: the string table, the standard buttons of its boxes and its emblem.
#include <QDialogButtonBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QTabBar>
#include <QImage>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>
#include <set>

#include "cliente/prueba.h"
#include "comun/errores.h"
#include "compartido/VentanaHija.h"
#include "compartido/captions.h"
#include "compartido/emblema.h"
#include "principal/frmInicio.h"

using namespace oxalde;

namespace {

TEST(Cadenas, UnIdQueNoExisteLevantaElError326) {
    for (int id : {0, 100, 222, 9999, 19999}) {
        try {
            LoadResString(id);
            ADD_FAILURE() << id;
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.Number(), 326) << id;
            EXPECT_NE(e.Description().find(std::to_string(id)), std::string::npos);
        }
    }
    EXPECT_EQ(LoadResString(10118), "&Ados");
}

// The arguments of a call whose "(" is at `abre`, up to its matching ")".
QString Argumentos(const QString& texto, qsizetype abre) {
    int nivel = 0;
    for (qsizetype i = abre; i < texto.size(); ++i) {
        if (texto[i] == u'(') ++nivel;
        if (texto[i] == u')' && --nivel == 0) return texto.mid(abre + 1, i - abre - 1);
    }
    return {};
}

// The string ids the program's sources ask for: literal ids in calls of the string readers
// (LoadResString, Cadena, Titulo, TextoBilingue), the named ids of the string table's header and
// the (name, id) rows of caption tables, so the ids other windows add later are checked too.
std::set<int> IdsDeLasFuentes() {
    static const QRegularExpression llamada(R"(\b(?:LoadResString|Cadena|Titulo|TextoBilingue)\s*\()");
    static const QRegularExpression fila(R"(\{\s*(?:"\w*"|[A-Za-z][\w:]*)\s*,\s*(\d{3,4})\s*\})");
    static const QRegularExpression numero(R"(\b(\d{3,5})\b)");
    static const QRegularExpression nombrado(R"(\bk(?:Id|Base)\w+ = (\d{3,5})\b)");
    std::set<int> ids;
    const QString raiz = QString(OXALDE_DIR_SQL) + "/../Cliente";
    for (QDirIterator it(raiz, {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile archivo(it.next());
        if (!archivo.open(QIODevice::ReadOnly)) continue;
        const QString texto = QString::fromUtf8(archivo.readAll());
        for (auto m = llamada.globalMatch(texto); m.hasNext();)
            for (auto n = numero.globalMatch(Argumentos(texto, m.next().capturedEnd() - 1)); n.hasNext();)
                if (const int id = n.next().captured(1).toInt(); id != kDesplEuskera) ids.insert(id);
        for (auto m = nombrado.globalMatch(texto); m.hasNext();) ids.insert(m.next().captured(1).toInt());
        // Rows of other tables (widths, positions) share the shape; string ids start at 101.
        for (auto m = fila.globalMatch(texto); m.hasNext();)
            if (const int id = m.next().captured(1).toInt(); id >= 101) ids.insert(id);
    }
    return ids;
}

TEST(Cadenas, CadaIdQueElProgramaPideExisteEnAmbosIdiomas) {
    const std::set<int> ids = IdsDeLasFuentes();
    EXPECT_GT(ids.size(), 40u);  // the scan finds the program's captions
    EXPECT_TRUE(ids.count(155) && ids.count(101) && ids.count(354) && ids.count(9111));
    for (int id : ids)
        for (int idioma : {0, kDesplEuskera})
            EXPECT_EQ(NumeroDeError([&] { LoadResString(id + idioma); }), 0) << "string " << id + idioma;
}

// One caption table sets a window's title, a label (its access-key mark kept only where it leads
// to a box), a button with room for its picture (as much in both languages unless told), a tooltip
// and a tab; a row naming no control, a
// control without such a text or a tab that is not there raises error 91 naming the control.
TEST(Captions, UnaTablaPoneCadaTextoYRechazaLoQueNoExiste) {
    QWidget ventana;
    ventana.setObjectName("ventana");
    auto* suelta = new QLabel(&ventana);
    auto* conCaja = new QLabel(&ventana);
    auto* caja = new QLineEdit(&ventana);
    auto* boton = new QPushButton(&ventana);
    auto* otro = new QPushButton(&ventana);
    auto* tira = new QTabBar(&ventana);
    tira->addTab({});
    Nombrar(
        {{suelta, "suelta"}, {conCaja, "conCaja"}, {caja, "caja"}, {boton, "boton"}, {otro, "otro"}, {tira, "tira"}});
    conCaja->setBuddy(caja);
    constexpr Caption kFilas[] = {{"", 155},
                                  {"suelta", 118},
                                  {"conCaja", 118},
                                  {"boton", 119, Propiedad::Texto, 0, 3},
                                  {"boton", 250, Propiedad::Consejo},
                                  {"otro", 118, Propiedad::Texto, 0, 4, 0},
                                  {"tira", 174, Propiedad::Pestana, 1}};
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        EscribirCaptions(ventana, kFilas);
        EXPECT_EQ(ventana.windowTitle(), LoadResString(155 + idioma));
        EXPECT_EQ(conCaja->text(), LoadResString(118 + idioma));
        EXPECT_EQ(suelta->text(), QString(LoadResString(118 + idioma)).remove(u'&'));
        EXPECT_EQ(boton->text(), "   " + LoadResString(119 + idioma));
        EXPECT_EQ(otro->text(), QString(idioma ? 0 : 4, u' ') + LoadResString(118 + idioma));
        EXPECT_EQ(boton->toolTip(), LoadResString(250 + idioma));
        EXPECT_EQ(tira->tabText(0), LoadResString(174 + idioma));
    }
    DesplIdioma = 0;
    for (const Caption& mala :
         {Caption{"Label99", 118}, Caption{"caja", 118}, Caption{"tira", 174, Propiedad::Pestana, 2}}) {
        try {
            EscribirCaptions(ventana, {&mala, 1});
            ADD_FAILURE() << mala.control;
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.Number(), 91);
            EXPECT_NE(e.Description().find(mala.control), std::string::npos) << e.Description();
        }
    }
}

// Several people add lines to the table at once: a merged copy of a line, or two texts for one id,
// would leave one of them silently unused.
TEST(Cadenas, CadaIdEstaUnaSolaVezEnLaTabla) {
    QFile archivo(QString(OXALDE_DIR_SQL) + "/../Cliente/recursos/cadenas.tsv");
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    std::set<int> vistos;
    for (const QString& linea : QString::fromUtf8(archivo.readAll()).split(u'\n')) {
        if (linea.isEmpty() || linea.startsWith(u'#')) continue;
        const int id = linea.section(u'\t', 0, 0).toInt();
        EXPECT_TRUE(vistos.insert(id).second) << "string " << id << " twice";
    }
}

class Botones : public prueba::Programa {};

// Every standard button of a box reads in the program's language, never the toolkit's English.
TEST_F(Botones, LosBotonesEstandarHablanElIdiomaDelPrograma) {
    const QMessageBox::StandardButtons todos =
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel;
    const std::pair<int, QStringList> idiomas[] = {{0, {"&Sí", "&No", "&Aceptar", "&Cancelar"}},
                                                   {kDesplEuskera, {"&Bai", "&Ez", "&Ados", "&Utzi"}}};
    for (const auto& [desplazamiento, textos] : idiomas) {
        DesplIdioma = desplazamiento;
        QMessageBox caja(QMessageBox::Question, "t", "x", todos);
        QDialogButtonBox fila(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Ok |
                              QDialogButtonBox::Cancel);
        TraducirBotones(caja);
        TraducirBotones(fila);
        QStringList enCaja, enFila;
        for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok, QMessageBox::Cancel}) {
            enCaja << caja.button(b)->text();
            enFila << fila.button(static_cast<QDialogButtonBox::StandardButton>(b))->text();
        }
        EXPECT_EQ(enCaja, textos);
        EXPECT_EQ(enFila, textos);
    }
}

// The program's own box (no test answering for the user): its buttons as shown, then No.
TEST_F(Botones, MsgBoxMuestraSusBotonesTraducidos) {
    EstablecerRespondedor({});
    DesplIdioma = kDesplEuskera;
    QStringList vistos;
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        for (QAbstractButton* b : caja->buttons()) vistos << b->text();
        caja->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(MsgBox("?", vbYesNoCancel | vbQuestion), vbNo);
    vistos.sort();
    EXPECT_EQ(vistos, (QStringList{"&Bai", "&Ez", "&Utzi"}));
}

// The emblem fills its square's centre and leaves the corners clear, at any size.
TEST(Emblema, SeDibujaEnCualquierTamanoYEstaEnLasVentanas) {
    for (int lado : {16, 48, 300}) {
        const QImage imagen = PixmapEmblema(lado).toImage();
        EXPECT_EQ(imagen.size(), QSize(lado, lado));
        EXPECT_EQ(qAlpha(imagen.pixel(lado / 2, lado / 2)), 255) << lado;
        EXPECT_EQ(qAlpha(imagen.pixel(0, 0)), 0) << lado;
    }
    QImage enRect(200, 100, QImage::Format_ARGB32);
    enRect.fill(Qt::transparent);
    QPainter pintor(&enRect);
    DibujarEmblema(pintor, QRectF(0, 0, 200, 100));  // centred, as large as the shorter side
    pintor.end();
    EXPECT_EQ(qAlpha(enRect.pixel(100, 50)), 255);
    EXPECT_EQ(qAlpha(enRect.pixel(20, 50)), 0);
    EXPECT_FALSE(IconoEmblema().isNull());
    EXPECT_EQ(QApplication::windowIcon().availableSizes(), IconoEmblema().availableSizes());
}

class VentanasConEmblema : public prueba::Principal {};

TEST_F(VentanasConEmblema, PresentacionPrincipalEHijasLlevanElEmblema) {
    const QImage emblema = PixmapEmblema(32).toImage();
    auto igual = [&](const QIcon& icono) { return icono.pixmap(32, 32).toImage() == emblema; };
    frmInicio inicio;
    auto* imagen = inicio.findChild<QLabel*>("imgEmblema");
    ASSERT_NE(imagen, nullptr);
    EXPECT_EQ(imagen->pixmap().toImage(), PixmapEmblema(96).toImage());
    MDI7312& v = Abrir();
    EXPECT_TRUE(igual(v.windowIcon()));
    auto* hija = new VentanaHija("hija");
    v.MostrarHija(hija);
    auto* sub = qobject_cast<QMdiSubWindow*>(hija->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(igual(sub->windowIcon()));
}

}  // namespace
