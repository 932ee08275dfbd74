#include "principal/menu_principal.h"

#include <QAction>

#include "compartido/CEntrada.h"
#include "principal/MDI7312.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
#include "compartido/mostrar_error.h"
#include "principal/recientes.h"

namespace oxalde {
namespace {

void Habilitar(MDI7312& v, const char* entrada, bool habilitada) {
    v.Entrada(QString::fromLatin1(entrada))->setEnabled(habilitada);
}

void OcultarRecientes(MDI7312& v) {
    for (int i = 1; i <= 4; ++i) v.Reciente(i)->setVisible(false);
}

DeclaranteReciente Declarante(const QAction* entrada) {
    return entrada ? entrada->data().value<DeclaranteReciente>() : DeclaranteReciente{};
}

// The entries keep the taxpayers of the last good reading, shown or not: one the reading did not
// fill is emptied, so that a refresh without a reading shows only what that reading found.
void LlenarRecientes(MDI7312& v, const std::vector<DeclaranteReciente>& leidos) {
    for (int i = 1; i <= 4; ++i) {
        QAction* reciente = v.Reciente(i);
        const bool hay = i <= static_cast<int>(leidos.size());
        reciente->setText(hay ? TituloReciente(leidos[i - 1]) : QString());
        reciente->setData(hay ? QVariant::fromValue(leidos[i - 1]) : QVariant());
    }
}

// The count and the recent taxpayers, read again, both or neither. A file another program keeps
// locked (or any other failure) is said here and the refresh goes on with the count and the
// entries as read last: its caller (a window being closed, the main window loading) is never
// cut short, and the menus neither stay off nor lose their entries.
void LeerMenu(MDI7312& v) {
    auto& entrada = CEntrada::Instancia();
    const vb::Long anterior = entrada.NUMDECLA();
    try {
        entrada.InicializarContadores();
        vb::Variant buffer;
        if (entrada.NUMDECLA() >= 1) LeerUltimosDeclarantes(buffer);
        LlenarRecientes(v, DeclarantesRecientes(buffer, buffer.IsArray() ? entrada.NUMDECLA() : 0));
    } catch (...) {
        entrada.NUMDECLA(anterior);
        MostrarError(ErrorDe(std::current_exception()), &v);
    }
}

}  // namespace

void DeshabilitarMenus(MDI7312& v) {
    Habilitar(v, "mnuDeclarante", false);
    Habilitar(v, "mnuUtilidades", false);
    for (int boton : {1, 2, 3, 5}) v.Boton(boton)->setEnabled(false);
    OcultarRecientes(v);
}

void RefrescarMenuPrincipal(MDI7312& v, bool leer) {
    if (leer) LeerMenu(v);
    const bool hay = CEntrada::Instancia().NUMDECLA() >= 1;
    v.Boton(6)->setVisible(false);
    Habilitar(v, "mnuDeclarante", true);
    Habilitar(v, "mnuUtilidades", true);
    v.Boton(5)->setEnabled(true);
    v.Boton(2)->setEnabled(hay);
    v.Boton(3)->setEnabled(hay);
    for (int i = 1; i <= 4; ++i) v.Reciente(i)->setVisible(hay && v.Reciente(i)->data().isValid());
    v.Boton(1)->setEnabled(true);
}

void LeerUltimosDeclarantes(vb::Variant& buffer) {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    declarante->ObtenerUltimosDeclarantes(buffer);
}

QString ObtenerDNIMenu(const QAction* entrada) { return Declarante(entrada).dni; }

QString ObtenerNombreMenu(const QAction* entrada) { return Declarante(entrada).nombre; }

}  // namespace oxalde
