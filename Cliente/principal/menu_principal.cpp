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

// The count and the recent taxpayers, read again. A file another program keeps locked (or any
// other failure) is said here and the refresh goes on with the count read last and no recent
// entry: its caller (a window being closed, the main window loading) is never cut short, and
// the menus do not stay off.
void LeerMenu(vb::Variant& recientes) {
    auto& entrada = CEntrada::Instancia();
    try {
        entrada.InicializarContadores();
        if (entrada.NUMDECLA() >= 1) LeerUltimosDeclarantes(recientes);
    } catch (...) {
        recientes = vb::Variant();
        MostrarError(ErrorDe(std::current_exception()));
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
    auto& entrada = CEntrada::Instancia();
    vb::Variant buffer;
    if (leer) LeerMenu(buffer);
    OcultarRecientes(v);
    v.Boton(6)->setVisible(false);
    Habilitar(v, "mnuDeclarante", true);
    Habilitar(v, "mnuUtilidades", true);
    v.Boton(5)->setEnabled(true);
    if (entrada.NUMDECLA() < 1) {
        v.Boton(2)->setEnabled(false);
        v.Boton(3)->setEnabled(false);
    } else {
        v.Boton(2)->setEnabled(true);
        v.Boton(3)->setEnabled(true);
        int numero = 1;
        const vb::Long recientes = buffer.IsArray() ? entrada.NUMDECLA() : 0;
        for (const DeclaranteReciente& d : DeclarantesRecientes(buffer, recientes)) {
            QAction* reciente = v.Reciente(numero++);
            reciente->setVisible(true);
            reciente->setText(TituloReciente(d));
            reciente->setData(QVariant::fromValue(d));
        }
    }
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
