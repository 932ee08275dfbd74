#include "principal/menu_principal.h"

#include <QAction>

#include "compartido/CEntrada.h"
#include "principal/MDI7312.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
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

}  // namespace

void DeshabilitarMenus(MDI7312& v) {
    Habilitar(v, "mnuDeclarante", false);
    Habilitar(v, "mnuUtilidades", false);
    for (int boton : {1, 2, 3, 5}) v.Boton(boton)->setEnabled(false);
    OcultarRecientes(v);
}

void RefrescarMenuPrincipal(MDI7312& v) {
    auto& entrada = CEntrada::Instancia();
    entrada.InicializarContadores();
    OcultarRecientes(v);
    v.Boton(6)->setVisible(false);
    Habilitar(v, "mnuDeclarante", true);
    Habilitar(v, "mnuUtilidades", true);
    v.Boton(5)->setEnabled(true);
    if (entrada.NUMDECLA() < 1) {
        v.Boton(2)->setEnabled(false);
        v.Boton(3)->setEnabled(false);
    } else {
        vb::Variant buffer;
        LeerUltimosDeclarantes(buffer);
        v.Boton(2)->setEnabled(true);
        v.Boton(3)->setEnabled(true);
        int numero = 1;
        for (const DeclaranteReciente& d : DeclarantesRecientes(buffer, entrada.NUMDECLA())) {
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
