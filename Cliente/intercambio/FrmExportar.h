#pragma once
// The taxpayer export window: the register's taxpayers on the left (sorted by NIF or by name
// with a click on the header), the chosen ones on the right in the order of choosing, four
// buttons that move them across, the file to write, and Accept, which writes the exchange file
// and closes the window. Its model is the single cExportar.
#include "intercambio/cExportar.h"
#include "compartido/VentanaHija.h"
#include "compartido/cUtilidadesGrid.h"

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace oxalde {

class FlexGrid;

class FrmExportar : public VentanaHija {
    Q_OBJECT
public:
    explicit FrmExportar(QWidget* parent = nullptr);

    // Reloads the offered list and redraws both grids, their highlights, the sort arrow and the count.
    void PresentaDatos();
    // Enables the commands by the counts and the current taxpayers.
    void PresentaBotones();
    // Reads the register into the offered table and grid.
    void CargarFlxDeclaraciones();
    void Anadir_captions();

    void CmdSelUno_Click();
    void CmdSelTodos_Click();
    void CmdDeselUno_Click();
    void CmdDeselTodos_Click();
    void cmdAceptar_Click();
    void cmdCancelar_Click();
    void imgmodi_Click();

    FlexGrid* flxDeclaraciones() const { return flxDeclaraciones_; }
    FlexGrid* FlxSeleccionados() const { return FlxSeleccionados_; }
    QPushButton* CmdSelTodos() const { return CmdSelTodos_; }
    QPushButton* CmdSelUno() const { return CmdSelUno_; }
    QPushButton* CmdDeselUno() const { return CmdDeselUno_; }
    QPushButton* CmdDeselTodos() const { return CmdDeselTodos_; }
    QPushButton* cmdAceptar() const { return cmdAceptar_; }
    QPushButton* cmdCancelar() const { return cmdCancelar_; }
    QLabel* lblResultado1() const { return lblResultado1_; }
    QLabel* lblresultado2() const { return lblresultado2_; }
    QLabel* lblfichero() const { return lblfichero_; }
    QLabel* picasc() const { return picasc_; }
    QToolButton* imgmodi() const { return imgmodi_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    QLabel* lblTitulo_;
    QLabel* Label1_;
    QLabel* picasc_;
    QLabel* lblResultado1_;
    QLabel* lblresultado2_;
    QLabel* Label2_;
    QLabel* lblfichero_;
    FlexGrid* flxDeclaraciones_;
    FlexGrid* FlxSeleccionados_;
    QPushButton* CmdSelTodos_;
    QPushButton* CmdSelUno_;
    QPushButton* CmdDeselUno_;
    QPushButton* CmdDeselTodos_;
    QPushButton* cmdAceptar_;
    QPushButton* cmdCancelar_;
    QFrame* fraFichero_;
    QFrame* fraBotones_;
    QToolButton* imgmodi_;
    cUtilidadesGrid utilOfrecidos_;
    cUtilidadesGrid utilElegidos_;
    bool presentando_ = false;
    bool cabeceraOfrecidos_ = false;
    bool cabeceraElegidos_ = false;
    int columnaPulsada_ = 0;  // the header column of the last press on the offered grid

    void ColocarIndicadorOrden();
    void InicializarExportacion();
    void LimpiarGrids();
    void FormatearGrids();
    void CargarTablaContribuyentes(std::shared_ptr<const vb::Variant> lista, vb::Long filas);
    void ExportarFichero(const QString& ruta);
    void Conectar();
    // Highlights the grid's current row and makes its taxpayer current, as a click does.
    void MarcarOfrecido();
    void MarcarElegido(const QColor& texto);
};

}  // namespace oxalde
