#include "compartido/procedimientos.h"

#include <QCoreApplication>
#include <QSet>
#include <cmath>

#include "compartido/biblioteca.h"
#include "controles/ComboLista.h"
#include "controles/FlexGrid.h"
#include "servicios/cotejo.h"
#include "compartido/general.h"

namespace oxalde {
namespace {

// What a box of upper-case data accepts; every letter arrives here already in capitals.
constexpr QStringView kAceptados =
    u"0123456789ABCDEFGHIJKLMNÑOPQRSTUVWXYZ !$%&()*+,-./:;<=>?\\_ºª¿¡çÇ";

// A combo locked by an empty load remembers here how it was before.
constexpr char kFocoPrevio[] = "oxalde_focoPrevio";
constexpr char kPaletaPrevia[] = "oxalde_paletaPrevia";

const QStringList kTrimestres{"1T", "2T", "3T", "4T"};

// A combo with nothing to choose: read-only, light grey, skipped by Tab.
void Bloquear(QComboBox* combo) {
    if (!combo->property(kFocoPrevio).isValid()) {
        combo->setProperty(kFocoPrevio, static_cast<int>(combo->focusPolicy()));
        combo->setProperty(kPaletaPrevia, QVariant::fromValue(combo->palette()));
    }
    QPalette gris = combo->palette();
    gris.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    gris.setColor(QPalette::Button, QColor(0xE0, 0xE0, 0xE0));
    combo->setPalette(gris);
    combo->setFocusPolicy(Qt::NoFocus);
    if (combo->lineEdit()) combo->lineEdit()->setReadOnly(true);
}

void Desbloquear(QComboBox* combo) {
    QVariant foco = combo->property(kFocoPrevio);
    if (!foco.isValid()) return;
    combo->setFocusPolicy(static_cast<Qt::FocusPolicy>(foco.toInt()));
    combo->setPalette(combo->property(kPaletaPrevia).value<QPalette>());
    combo->setProperty(kFocoPrevio, QVariant());
    combo->setProperty(kPaletaPrevia, QVariant());
    if (combo->lineEdit()) combo->lineEdit()->setReadOnly(false);
}

// The combo's text: free text in an editable combo; otherwise only "no selection".
void PonerTexto(QComboBox* combo, const QString& texto) {
    if (texto.isEmpty()) combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(texto);
}

// The first data row holding the value, or 0; a value of 0 is never found.
int PrimeraFila(const FlexGrid& grid, int columna, vb::Long valor) {
    if (valor == 0) return 0;  // no need to read a list of thousands for it
    int n = grid.Rows() - 1;
    for (int i = 1; i <= n; ++i) {
        double celda = vb::Val(grid.TextMatrix(i, columna).toStdString());
        if (celda == valor && valor != 0) return i;
    }
    return 0;
}

using Carga = void (brunsel::cDatosGeneral::*)(std::string&, vb::Variant&);

void CargarCodigos(Carga carga, const QString& sql, vb::Variant& buffer) {
    auto datos = DatosGeneral(RutaBDLectura);
    std::string consulta = sql.toStdString();
    ((*datos).*carga)(consulta, buffer);
}

}  // namespace

void MostrarEtiqueta(QLabel* etiqueta, const QString& texto, std::optional<int> anchoMaximo) {
    if (texto.isEmpty()) {
        etiqueta->setVisible(false);
        return;
    }
    etiqueta->setText(texto);
    // The label repaints at once, without running other pending events: its window may be
    // loading from inside a handler of a window that has just closed.
    etiqueta->repaint();
    if (anchoMaximo) {
        etiqueta->setWordWrap(false);
        if (etiqueta->sizeHint().width() > *anchoMaximo) {
            etiqueta->setWordWrap(true);
            etiqueta->resize(*anchoMaximo, 30);  // room for two lines
        } else {
            etiqueta->adjustSize();
            etiqueta->resize(etiqueta->width(), 16);
        }
    }
    etiqueta->setVisible(true);
}

char32_t FiltrarTecla(char32_t codigo) {
    char32_t mayuscula = QChar::toUpper(codigo);
    if (mayuscula != 0 && mayuscula <= 0xFFFF && kAceptados.contains(QChar(mayuscula))) return mayuscula;
    return codigo == kRetroceso ? kRetroceso : 0;
}

void SoloNumeros(char32_t& codigo) {
    if ((codigo < U'0' || codigo > U'9') && codigo != kRetroceso) codigo = 0;
}


vb::Variant ComaAPunto(const vb::Variant& valor) {
    if (valor.IsNull()) return valor;
    std::string s = valor.CStr();
    size_t p = s.find(',');
    if (p == std::string::npos) return valor;
    return s.substr(0, p) + "." + s.substr(p + 1);
}

vb::Variant VacioACero(const vb::Variant& valor) {
    bool vacio = valor.IsEmpty() || (valor.tipo() == vb::Tipo::String && valor.Si<std::string>()->empty());
    return vacio ? vb::Variant(vb::Integer{0}) : valor;
}

vb::Variant CeroAVacio(const vb::Variant& valor) {
    if (valor.IsNull()) return valor;
    double numero = 0;
    if (valor.IsEmpty() || valor.tipo() == vb::Tipo::String) {
        // Amounts come formatted the Spanish way: "." groups thousands, "," is the decimal point.
        bool ok = false;
        QString t = QString::fromStdString(vb::Trim(valor.CStr()));
        numero = t.remove(u'.').replace(u',', u'.').toDouble(&ok);
        if (!ok) vb::Lanzar(vb::errTipos);
    } else {
        numero = valor.CDbl();
    }
    return std::fabs(numero) == 0 ? vb::Variant("") : valor;
}

double Minimo(double a, double b) { return a < b ? a : b; }

double RedondearDecimales(double valor, vb::Integer decimales) {
    if (decimales > 6) return valor;
    double potencia = std::pow(10.0, decimales);
    double signo = valor < 0 ? -1 : 1;
    double entero = signo * std::floor(std::fabs(valor));
    double fraccion = std::fabs(valor - entero) * potencia;
    return Redondear(fraccion) * signo / potencia + entero;
}

double Redondear(double valor) {
    double entero = std::floor(valor);
    return valor - entero >= 0.5 ? entero + 1 : entero;
}

void DesplegarCombo(QComboBox* combo) {
    if (auto* lista = qobject_cast<ComboLista*>(combo))
        lista->Desplegar();
    else
        combo->showPopup();
}

void BuscarEnCombo(const QString& texto, QComboBox* combo) {
    if (combo->count() < 1) {
        PonerTexto(combo, texto);
        return;
    }
    if (texto.isEmpty()) {
        PonerTexto(combo, QString());
        return;
    }
    // Compared as typed, never as a pattern: "*", "?", "#" and "[" are ordinary characters.
    const QString mayusculas = texto.toUpper();
    for (int i = 0; i != combo->count(); ++i) {
        const QString item = combo->itemText(i);
        if (item.startsWith(mayusculas) || item.startsWith(texto)) {
            combo->setCurrentIndex(i);
            if (combo->isEditable()) combo->setEditText(item);
            return;
        }
    }
    PonerTexto(combo, QString());
}

void CargarCombo(QComboBox* combo, const vb::Variant& tabla, bool conItemData) {
    combo->clear();
    if (tabla.UBound(1) < 0) {
        Bloquear(combo);
        return;
    }
    Desbloquear(combo);
    for (vb::Long i = 0; i <= tabla.UBound(1); ++i) {
        combo->addItem(Texto(tabla(i, 0)).toLower());
        if (conItemData)
            combo->setItemData(combo->count() - 1, vb::Variant(vb::Val(tabla(i, 1).CStr())).CLng());
    }
}

void CargarListView(QListWidget* lista, const vb::Variant& buffer) {
    QSet<QString> claves;
    for (int i = 0; i < lista->count(); ++i) claves.insert(lista->item(i)->data(Qt::UserRole).toString());
    claves.remove(QString());
    for (vb::Long i = 0; i <= buffer.UBound(2); ++i) {
        QString clave = Texto(buffer(0, i));
        if (!clave.isEmpty() && claves.contains(clave))
            vb::Lanzar(vb::errClaveRepetida, "Oxalde", "Key is not unique in collection");
        claves.insert(clave);
        auto* item = new QListWidgetItem(Texto(buffer(1, i)), lista);
        item->setData(Qt::UserRole, clave);
    }
}

QString BuscarClaveLista(QListWidget* lista, const QString& clave) {
    const int n = lista->count();
    for (int i = 0; i < n; ++i)
        if (lista->item(i)->data(Qt::UserRole).toString() == clave) return lista->item(i)->text();
    return QString();
}

int BuscarFilaGrid(FlexGrid* grid, int columna, vb::Long valor) {
    int fila = PrimeraFila(*grid, columna, valor);
    return fila > 0 ? fila : 1;
}

int BuscarFilaGridFinal(FlexGrid* grid, int columna, vb::Long valor) {
    int fila = PrimeraFila(*grid, columna, valor);
    return fila > 0 ? fila : grid->Rows() - 1;
}

QString ObtenerRuta(const QString& ruta) { return ruta.left(ruta.lastIndexOf(u'/') + 1); }

QString ObtenerNombreFichero(const QString& ruta) { return ruta.mid(ruta.lastIndexOf(u'/') + 1); }

QString SqlListaMunicipios() {
    return QStringLiteral("Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS ORDER BY T06_NOMMUN COLLATE %1")
        .arg(QLatin1String(brunsel::kCotejo));
}

QString SqlListaProvincias() {
    return QStringLiteral("Select T05_PRO_ID, %1 From T05_PROVINCIAS ORDER BY %1 COLLATE %2")
        .arg(TextoIdioma(QStringLiteral("T05_PRO_CAS"), QStringLiteral("T05_PRO_EUS")),
             QLatin1String(brunsel::kCotejo));
}

QString SqlListaVias() {
    return QStringLiteral("Select T07_CODIGO, %1 From T07_SIGLASVIA ORDER BY %1 COLLATE %2")
        .arg(TextoIdioma(QStringLiteral("T07_CAS"), QStringLiteral("T07_EUS")), QLatin1String(brunsel::kCotejo));
}

void ObtenerMunicipios(const QString& sql, vb::Variant& buffer) {
    CargarCodigos(&brunsel::cDatosGeneral::CargarMunicipios, sql, buffer);
}

void ObtenerProvincias(const QString& sql, vb::Variant& buffer) {
    CargarCodigos(&brunsel::cDatosGeneral::CargarProvincias, sql, buffer);
}

void ObtenerVias(const QString& sql, vb::Variant& buffer) {
    CargarCodigos(&brunsel::cDatosGeneral::CargarVias, sql, buffer);
}

void EliminarDeclaracion(vb::Long CSDE, const QString& Modelo) {
    auto declaracion = Declaracion(RutaBDModificable);
    std::string modelo = Modelo.toStdString();
    declaracion->BorrarDatosNoComunes(CSDE, modelo);
    declaracion->BorrarDeclaracion(CSDE);
}

QString NombreTrimestre(const QString& trimestre) {
    static const QStringList castellano{QStringLiteral("1ºTRIMESTRE"), QStringLiteral("2ºTRIMESTRE"),
                                        QStringLiteral("3ºTRIMESTRE"), QStringLiteral("4ºTRIMESTRE")};
    static const QStringList euskera{"1.HIRUHILEKOA", "2.HIRUHILEKOA", "3.HIRUHILEKOA", "4.HIRUHILEKOA"};
    int n = kTrimestres.indexOf(trimestre);
    return n < 0 ? QString() : TextoIdioma(castellano[n], euskera[n]);
}

vb::Long FechaFinTrimestre(vb::Integer anio, const QString& trimestre) {
    static const QStringList finales{"0331", "0630", "0930", "1231"};
    int n = kTrimestres.indexOf(trimestre);
    if (n < 0) return 0;
    // The year's digits run into the month's, as text (so also for a negative year).
    return (QString::number(anio) + finales[n]).toInt();
}

void FormatearMascaraFecha(QLineEdit* caja) {
    // The blanks show as "_", so that an empty box reads as the empty date of the same layout.
    caja->setInputMask(TextoIdioma(QStringLiteral("99/99/9999;_"), QStringLiteral("9999/99/99;_")));
}

}  // namespace oxalde
