#pragma once
// The grid of the list windows: a table whose row 0 is the fixed header row and whose data rows
// run from 1, addressed by row and column as the windows address it. The cells live in a model
// of plain texts, so that a list of 100,000 rows costs a text per cell and no object per cell;
// or, for a long list, the model reads the window's own list (FuenteFlex) and holds no text at
// all. Once the grid has a data row, a data row is current (row 1 at first), so a window can
// always act on "the current row" without checking for none.
#include <QColor>
#include <QTableView>
#include <memory>

namespace oxalde {

class ModeloFlex;

// The data rows of a grid read from a list the window already holds, so that a list of
// hundreds of thousands of rows is kept once: each text is made when a cell is shown or read.
// The list must not change while the grid shows it (give the grid a new source instead).
class FuenteFlex {
public:
    virtual ~FuenteFlex() = default;
    virtual int Filas() const = 0;
    // A data row's text (fila from 1); a column the list does not have is empty.
    virtual QString Texto(int fila, int columna) const = 0;
};

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    // Column alignments (the grid's left-centre, centre-centre and right-centre).
    enum Alineacion { flexAlignLeftCenter = 1, flexAlignCenterCenter = 4, flexAlignRightCenter = 7 };

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Row count with the header row; column count. Fewer rows drop the last ones.
    int Rows() const;
    void Rows(int filas);
    int Cols() const;
    void Cols(int columnas);

    // A cell's text; row 0 is the header. Outside the grid raises "subscript out of range".
    QString TextMatrix(int fila, int columna) const;
    void TextMatrix(int fila, int columna, const QString& texto);
    // The data rows become the source's, as Rows(1), Rows(n + 1) and every cell set would make
    // them. Writing a data cell or changing the rows or columns later copies the source's texts
    // into the grid first, so the grid goes on as if they had been set one by one.
    void Fuente(std::shared_ptr<const FuenteFlex> fuente);

    // Current row (0 when there is no data row) and column; setting the row raises EnterCell.
    int Row() const;
    void Row(int fila);
    int Col() const;
    void Col(int columna);
    // The other end of the selected rows; it follows Row.
    int RowSel() const { return Row(); }
    // The first data row shown at the top.
    int TopRow() const;
    void TopRow(int fila);
    // The row under the pointer at the last mouse press (0: the header row).
    int MouseRow() const { return filaRaton_; }

    // Column width in twips; 0 hides the column.
    int ColWidth(int columna) const;
    void ColWidth(int columna, int twips);
    void ColAlignment(int columna, Alineacion alineacion);
    // Left edge of a column in twips, from the grid's left edge.
    int ColPos(int columna) const;

    // Cell colours; an invalid colour gives back the grid's own.
    QColor CellBackColor(int fila, int columna) const;
    void CellBackColor(int fila, int columna, const QColor& color);
    QColor CellForeColor(int fila, int columna) const;
    void CellForeColor(int fila, int columna, const QColor& color);
    // The grid's colours, and those of its own highlight of the current row.
    QColor BackColor() const;
    void BackColor(const QColor& color);
    QColor BackColorSel() const;
    void BackColorSel(const QColor& color);
    QColor ForeColorSel() const;
    void ForeColorSel(const QColor& color);
    // Whether the grid paints the current row in its selection colours.
    bool HighLight() const;
    void HighLight(bool activo);

    // Painting off while many cells change; turning it on repaints once.
    bool Redraw() const;
    void Redraw(bool activo);

signals:
    void EnterCell();
    void MouseDown();
    void Click();
    void DblClick();
    // A typed character; a handler may set it to 0.
    void KeyPress(char32_t& codigo);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    QModelIndex moveCursor(CursorAction accion, Qt::KeyboardModifiers modificadores) override;
    void currentChanged(const QModelIndex& actual, const QModelIndex& anterior) override;

private:
    void Comprobar(int fila, int columna) const;
    int Pixeles(int twips) const;
    int Twips(int pixeles) const;

    std::unique_ptr<ModeloFlex> modelo_;
    int filaRaton_ = -1;
};

}  // namespace oxalde
