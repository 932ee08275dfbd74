#include "compartido/mensajes.h"

#include <QPushButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>

#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/modal.h"

namespace oxalde {
namespace {

Respondedor& respondedor() {
    static Respondedor r;
    return r;
}

QMessageBox::Icon Icono(int estilo) {
    switch (estilo & 0x70) {
        case vbCritical: return QMessageBox::Critical;
        case vbQuestion: return QMessageBox::Question;
        case vbExclamation: return QMessageBox::Warning;
        case vbInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

// The string of each standard button that has one of its own.
struct TextoBoton {
    int boton;  // QMessageBox::StandardButton and QDialogButtonBox::StandardButton share values
    int id;
};
constexpr TextoBoton kTextosBotones[] = {{QMessageBox::Yes, kIdBotonSi},
                                         {QMessageBox::No, kIdBotonNo},
                                         {QMessageBox::Ok, kIdBotonAceptar},
                                         {QMessageBox::Cancel, kIdBotonCancelar}};

template <class Caja>
void Traducir(Caja& caja) {
    for (const TextoBoton& t : kTextosBotones)
        if (auto* b = caja.button(static_cast<typename Caja::StandardButton>(t.boton)))
            b->setText(Cadena(t.id));
}

}  // namespace

void TraducirBotones(QMessageBox& caja) { Traducir(caja); }
void TraducirBotones(QDialogButtonBox& botones) { Traducir(botones); }

void EstablecerRespondedor(Respondedor r) { respondedor() = std::move(r); }

int MsgBox(const QString& texto, int estilo, const QString& titulo, QWidget* dueno) {
    if (respondedor()) return respondedor()(texto, estilo, titulo);
    // The box stands over the window that asks, which is active again once it closes.
    const VentanaQueAbre abridor(dueno);
    QMessageBox caja(Icono(estilo), titulo.isEmpty() ? QApplication::applicationName() : titulo, texto,
                     QMessageBox::NoButton, abridor.Ventana());
    struct Par {
        QMessageBox::StandardButton boton;
        int respuesta;
    };
    std::vector<Par> botones;
    switch (estilo & 0x7) {
        case vbOKCancel: botones = {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}}; break;
        case vbYesNoCancel:
            botones = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
            break;
        case vbYesNo: botones = {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}}; break;
        default: botones = {{QMessageBox::Ok, vbOK}}; break;
    }
    for (const auto& b : botones) caja.addButton(b.boton);
    TraducirBotones(caja);
    size_t porDefecto = (estilo & vbDefaultButton2) && botones.size() > 1 ? 1 : 0;
    caja.setDefaultButton(botones[porDefecto].boton);
    const auto pulsado = static_cast<QMessageBox::StandardButton>(caja.exec());
    for (const auto& b : botones)
        if (b.boton == pulsado) return b.respuesta;
    return botones.size() > 1 ? vbCancel : vbOK;
}

}  // namespace oxalde
