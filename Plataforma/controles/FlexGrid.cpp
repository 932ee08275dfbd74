#include "controles/FlexGrid.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <vector>

#include "controles/celda_ajustada.h"
#include "controles/controles.h"
#include "vb/error.h"

namespace oxalde {

// The texts and colours of the grid. Model row i is grid row i + 1; the header row is apart.
class ModeloFlex : public QAbstractTableModel {
public:
    int filas = 0;  // data rows
    int columnas = 0;
    std::vector<QString> cabecera;
    std::vector<QString> celdas;  // filas x columnas, row by row; empty while a source gives them
    std::shared_ptr<const FuenteFlex> fuente;
    std::vector<int> alineaciones;
    QHash<qint64, QColor> fondos;
    QHash<qint64, QColor> textos;
    QColor fondoSel;
    QColor textoSel;
    bool resaltar = true;
    int filaActual = -1;  // model row
    bool redibujar = true;
    bool pendiente = false;

    int rowCount(const QModelIndex& padre) const override { return padre.isValid() ? 0 : filas; }
    int columnCount(const QModelIndex& padre) const override { return padre.isValid() ? 0 : columnas; }

    static qint64 Clave(int fila, int columna) { return (qint64(fila) << 32) | quint32(columna); }

    QString Celda(int f, int c) const { return fuente ? fuente->Texto(f + 1, c) : celdas[size_t(f) * columnas + c]; }

    // The source's texts become the grid's own, before anything changes them.
    void Copiar() {
        if (!fuente) return;
        std::vector<QString> copia(size_t(filas) * columnas);
        for (int f = 0; f < filas; ++f)
            for (int c = 0; c < columnas; ++c) copia[size_t(f) * columnas + c] = fuente->Texto(f + 1, c);
        celdas = std::move(copia);
        fuente.reset();
    }

    void PonerFuente(std::shared_ptr<const FuenteFlex> nueva) {
        CambiarFilas(0);
        const int n = nueva ? nueva->Filas() : 0;
        if (n <= 0) return;
        beginInsertRows({}, 0, n - 1);
        fuente = std::move(nueva);
        filas = n;
        endInsertRows();
    }

    QVariant data(const QModelIndex& i, int rol) const override {
        const int f = i.row();
        const int c = i.column();
        switch (rol) {
            case Qt::DisplayRole: return Celda(f, c);
            case Qt::TextAlignmentRole: return alineaciones[c];
            case Qt::BackgroundRole: return Color(fondos, f, c, fondoSel);
            case Qt::ForegroundRole: return Color(textos, f, c, textoSel);
            default: return {};
        }
    }

    QVariant headerData(int seccion, Qt::Orientation o, int rol) const override {
        if (o != Qt::Horizontal || rol != Qt::DisplayRole || seccion >= columnas) return {};
        return cabecera[seccion];
    }

    QVariant Color(const QHash<qint64, QColor>& tabla, int f, int c, const QColor& sel) const {
        auto it = tabla.constFind(Clave(f + 1, c));
        if (it != tabla.constEnd()) return *it;
        if (resaltar && f == filaActual && sel.isValid()) return sel;
        return {};
    }

    void CambiarFilas(int n) {
        if (n == filas) return;
        if (n == 0)
            fuente.reset();  // nothing of it is kept
        else
            Copiar();
        if (n > filas) {
            beginInsertRows({}, filas, n - 1);
            celdas.resize(size_t(n) * columnas);
            filas = n;
            endInsertRows();
        } else {
            beginRemoveRows({}, n, filas - 1);
            celdas.resize(size_t(n) * columnas);
            filas = n;
            // Colours of the rows dropped go with them.
            for (auto* t : {&fondos, &textos})
                t->removeIf([n](auto it) { return (it.key() >> 32) > n; });
            endRemoveRows();
        }
    }

    void CambiarColumnas(int n) {
        Copiar();
        beginResetModel();
        std::vector<QString> nuevas(size_t(filas) * n);
        for (int f = 0; f < filas; ++f)
            for (int c = 0; c < std::min(n, columnas); ++c)
                nuevas[size_t(f) * n + c] = celdas[size_t(f) * columnas + c];
        celdas = std::move(nuevas);
        cabecera.resize(n);
        alineaciones.resize(n, int(Qt::AlignLeft | Qt::AlignVCenter));
        columnas = n;
        endResetModel();
    }

    void Cambiada(int fila, int columna) {
        if (!redibujar) {
            pendiente = true;
            return;
        }
        if (fila == 0)
            emit headerDataChanged(Qt::Horizontal, columna, columna);
        else
            emit dataChanged(index(fila - 1, columna), index(fila - 1, columna));
    }

    // An invalid colour gives the cell back the grid's own.
    void PonerColor(QHash<qint64, QColor>& tabla, int fila, int columna, const QColor& color) {
        if (color.isValid())
            tabla.insert(Clave(fila, columna), color);
        else
            tabla.remove(Clave(fila, columna));
        Cambiada(fila, columna);
    }

    void Todo() {
        if (filas > 0 && columnas > 0) emit dataChanged(index(0, 0), index(filas - 1, columnas - 1));
        if (columnas > 0) emit headerDataChanged(Qt::Horizontal, 0, columnas - 1);
    }
};

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent), modelo_(std::make_unique<ModeloFlex>()) {
    setModel(modelo_.get());
    setItemDelegate(new CeldaAjustada(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // A press on the header row selects nothing: the windows decide what it does.
    disconnect(horizontalHeader(), SIGNAL(sectionPressed(int)), this, nullptr);
    disconnect(horizontalHeader(), SIGNAL(sectionEntered(int)), this, nullptr);
    connect(horizontalHeader(), &QHeaderView::sectionPressed, this, [this] {
        filaRaton_ = 0;
        emit MouseDown();
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { emit Click(); });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, [this] { emit DblClick(); });
    Cols(2);
    Rows(2);
}

FlexGrid::~FlexGrid() { setModel(nullptr); }

int FlexGrid::Pixeles(int twips) const { return TwipsAPixeles(this, twips); }
int FlexGrid::Twips(int pixeles) const { return pixeles * 1440 / logicalDpiX(); }

void FlexGrid::Comprobar(int fila, int columna) const {
    if (fila < 0 || fila >= Rows() || columna < 0 || columna >= Cols()) vb::Lanzar(vb::errSubindice);
}

int FlexGrid::Rows() const { return modelo_->filas + 1; }

void FlexGrid::Rows(int filas) {
    modelo_->CambiarFilas(std::max(filas, 1) - 1);
    // A grid with data rows always has one current, the first when none was.
    if (modelo_->filas > 0 && !currentIndex().isValid()) setCurrentIndex(modelo_->index(0, 0));
    if (modelo_->filas == 0) modelo_->filaActual = -1;
}

int FlexGrid::Cols() const { return modelo_->columnas; }

void FlexGrid::Cols(int columnas) {
    const int fila = Row();
    const int anteriores = Cols();
    modelo_->CambiarColumnas(std::max(columnas, 1));
    for (int c = anteriores; c < Cols(); ++c) setColumnWidth(c, Pixeles(960));
    if (fila > 0) setCurrentIndex(modelo_->index(fila - 1, 0));
}

QString FlexGrid::TextMatrix(int fila, int columna) const {
    Comprobar(fila, columna);
    if (fila == 0) return modelo_->cabecera[columna];
    return modelo_->Celda(fila - 1, columna);
}

void FlexGrid::TextMatrix(int fila, int columna, const QString& texto) {
    Comprobar(fila, columna);
    if (fila > 0) modelo_->Copiar();
    (fila == 0 ? modelo_->cabecera[columna] : modelo_->celdas[size_t(fila - 1) * Cols() + columna]) = texto;
    modelo_->Cambiada(fila, columna);
}

void FlexGrid::Fuente(std::shared_ptr<const FuenteFlex> fuente) {
    modelo_->PonerFuente(std::move(fuente));
    modelo_->filaActual = -1;
    Rows(Rows());  // a data row current, as after Rows(n)
    if (!modelo_->redibujar) modelo_->pendiente = true;
}

int FlexGrid::Row() const { return currentIndex().isValid() ? currentIndex().row() + 1 : 0; }

void FlexGrid::Row(int fila) {
    if (fila < 1 || fila >= Rows()) vb::Lanzar(vb::errSubindice);
    setCurrentIndex(modelo_->index(fila - 1, Col()));
}

int FlexGrid::Col() const { return currentIndex().isValid() ? currentIndex().column() : 0; }

void FlexGrid::Col(int columna) {
    if (columna < 0 || columna >= Cols()) vb::Lanzar(vb::errSubindice);
    if (Row() > 0) setCurrentIndex(modelo_->index(Row() - 1, columna));
}

int FlexGrid::TopRow() const {
    const int fila = rowAt(0);
    return fila < 0 ? (Rows() > 1 ? 1 : 0) : fila + 1;
}

void FlexGrid::TopRow(int fila) {
    if (fila < 1 || fila >= Rows()) vb::Lanzar(vb::errSubindice);
    scrollTo(modelo_->index(fila - 1, 0), QAbstractItemView::PositionAtTop);
}

int FlexGrid::ColWidth(int columna) const {
    Comprobar(0, columna);
    return isColumnHidden(columna) ? 0 : Twips(columnWidth(columna));
}

void FlexGrid::ColWidth(int columna, int twips) {
    Comprobar(0, columna);
    setColumnHidden(columna, twips <= 0);
    if (twips > 0) setColumnWidth(columna, Pixeles(twips));
}

void FlexGrid::ColAlignment(int columna, Alineacion alineacion) {
    Comprobar(0, columna);
    static const int kQt[] = {0, Qt::AlignLeft, 0, 0, Qt::AlignHCenter, 0, 0, Qt::AlignRight};
    modelo_->alineaciones[columna] = kQt[alineacion] | Qt::AlignVCenter;
    if (Rows() > 1) emit modelo_->dataChanged(modelo_->index(0, columna), modelo_->index(Rows() - 2, columna));
}

int FlexGrid::ColPos(int columna) const {
    Comprobar(0, columna);
    int x = 0;
    for (int c = 0; c < columna; ++c) x += ColWidth(c);
    return x;
}

QColor FlexGrid::CellBackColor(int fila, int columna) const {
    Comprobar(fila, columna);
    return modelo_->fondos.value(ModeloFlex::Clave(fila, columna));
}

void FlexGrid::CellBackColor(int fila, int columna, const QColor& color) {
    Comprobar(fila, columna);
    modelo_->PonerColor(modelo_->fondos, fila, columna, color);
}

QColor FlexGrid::CellForeColor(int fila, int columna) const {
    Comprobar(fila, columna);
    return modelo_->textos.value(ModeloFlex::Clave(fila, columna));
}

void FlexGrid::CellForeColor(int fila, int columna, const QColor& color) {
    Comprobar(fila, columna);
    modelo_->PonerColor(modelo_->textos, fila, columna, color);
}

QColor FlexGrid::BackColor() const { return palette().color(QPalette::Base); }

void FlexGrid::BackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    p.setColor(QPalette::AlternateBase, color);
    setPalette(p);
}

QColor FlexGrid::BackColorSel() const { return modelo_->fondoSel; }
void FlexGrid::BackColorSel(const QColor& color) { modelo_->fondoSel = color; }
QColor FlexGrid::ForeColorSel() const { return modelo_->textoSel; }
void FlexGrid::ForeColorSel(const QColor& color) { modelo_->textoSel = color; }
bool FlexGrid::HighLight() const { return modelo_->resaltar; }

void FlexGrid::HighLight(bool activo) {
    modelo_->resaltar = activo;
    viewport()->update();
}

bool FlexGrid::Redraw() const { return modelo_->redibujar; }

void FlexGrid::Redraw(bool activo) {
    modelo_->redibujar = activo;
    setUpdatesEnabled(activo);
    if (activo && modelo_->pendiente) {
        modelo_->pendiente = false;
        modelo_->Todo();
    }
}

void FlexGrid::currentChanged(const QModelIndex& actual, const QModelIndex& anterior) {
    QTableView::currentChanged(actual, anterior);
    const int previa = modelo_->filaActual;
    modelo_->filaActual = actual.isValid() ? actual.row() : -1;
    if (previa != modelo_->filaActual && modelo_->resaltar) viewport()->update();
    if (actual.isValid() && (actual.row() != anterior.row() || actual.column() != anterior.column()))
        emit EnterCell();
}

// The current cell may sit in a hidden column (a key column the windows hide, where the first
// row becomes current): the keys move as from the first shown column of that row, so that the
// arrows work from the first press.
QModelIndex FlexGrid::moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) {
    const QModelIndex actual = currentIndex();
    int visible = 0;
    while (visible < Cols() && isColumnHidden(visible)) ++visible;
    if (!actual.isValid() || !isColumnHidden(actual.column()) || visible == Cols())
        return QTableView::moveCursor(accion, modificadores);
    QItemSelectionModel* seleccion = selectionModel();
    const QSignalBlocker callado(seleccion);
    seleccion->setCurrentIndex(actual.sibling(actual.row(), visible), QItemSelectionModel::NoUpdate);
    const QModelIndex destino = QTableView::moveCursor(accion, modificadores);
    seleccion->setCurrentIndex(actual, QItemSelectionModel::NoUpdate);
    return destino;
}

void FlexGrid::mousePressEvent(QMouseEvent* evento) {
    const int fila = rowAt(evento->position().toPoint().y());
    filaRaton_ = fila < 0 ? -1 : fila + 1;
    emit MouseDown();
    QTableView::mousePressEvent(evento);
    // A press on a cell makes it current, whatever the selection mode.
    const QModelIndex celda = indexAt(evento->position().toPoint());
    if (celda.isValid() && evento->button() == Qt::LeftButton) setCurrentIndex(celda);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* evento) {
    QTableView::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && viewport()->rect().contains(evento->position().toPoint()))
        emit Click();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* evento) {
    QTableView::mouseDoubleClickEvent(evento);
    if (evento->button() == Qt::LeftButton) emit DblClick();
}

void FlexGrid::keyPressEvent(QKeyEvent* evento) {
    const QString texto = evento->text();
    if (!texto.isEmpty()) {
        char32_t codigo = texto.at(0).unicode();
        emit KeyPress(codigo);
        if (codigo == 0) return;
    }
    QTableView::keyPressEvent(evento);
}

}  // namespace oxalde
