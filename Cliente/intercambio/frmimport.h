#pragma once
// The taxpayer import window: the file to read, the automatic replacement choice, the five
// counters, the error-file notice, and the commands that run the import and close the window.
// After an import only the exit command is left; a second import needs the window opened again.
#include "intercambio/cImportar.h"
#include "intercambio/importacion.h"
#include "compartido/VentanaHija.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace oxalde {

class EtiquetaRuta;

class frmimport : public VentanaHija {
    Q_OBJECT
public:
    explicit frmimport(QWidget* parent = nullptr);

    void Anadir_captions();

    void imgmodi_Click();
    void cmdace_Click();
    void cmdcan_Click();

    const cImportar& Importar() const { return importar_; }
    QLineEdit* txtruta() const { return txtruta_; }
    QToolButton* imgmodi() const { return imgmodi_; }
    QCheckBox* chkauto() const { return chkauto_; }
    QPushButton* cmdace() const { return cmdace_; }
    QPushButton* cmdcan() const { return cmdcan_; }
    QGroupBox* FraErrores() const { return FraErrores_; }
    EtiquetaRuta* lblError2() const { return lblError2_; }
    // The value labels: total, imported, wrong, replaced, ignored.
    QLabel* Valor(int i) const { return valores_[i]; }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    cImportar importar_;
    QGroupBox* FraImportar_;
    QGroupBox* Frame2_;
    QGroupBox* FraErrores_;
    QLabel* Label5_;
    QLineEdit* txtruta_;
    QToolButton* imgmodi_;
    QCheckBox* chkauto_;
    QLabel* etiquetas_[5];
    QLabel* valores_[5];
    QPushButton* cmdace_;
    QPushButton* cmdcan_;
    QLabel* imgerror_;
    QLabel* lblError_;
    EtiquetaRuta* lblError2_;

    void Terminar(const ResultadoImportacion& resultado);
    void Crecer();
    void PonerRuta(const QString& ruta);
};

}  // namespace oxalde
