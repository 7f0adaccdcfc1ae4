// Enter in the entry box: the outcome decided by DecideEntrada, shown on the
// card or handed to the editor.
#include <QLineEdit>

#include "editor/frm_crea_modi.h"
#include "main_window/entrada.h"
#include "main_window/frm_vyrw.h"
#include "ui/caja_frecuencia.h"
#include "ui/caja_multilinea.h"
#include "ui/texto.h"

using vyr::ui::DeCp1252;

void frmVYRw::txtFrecu_Enter() {
    const auto leida = [this](const std::string& pantalla) {
        vyr::ui::MuestraLeida(txtFrecu, pantalla);
        VaciaFicha();
    };
    switch (vyr::DecideEntrada(vyr::ui::ACp1252(txtFrecu->text()), m_, e_.mensajes, leida)) {
    case vyr::Destino::Nada:
    case vyr::Destino::Rechazada:
        return;
    case vyr::Destino::Ilegible:
        txtFrecu->clear();
        return;
    case vyr::Destino::Ficha: {
        const vyr::RegDatos& d = m_.BufDatos;
        txtFicFrecu->setText(txtFrecu->text());
        txtFicDescri->setText(DeCp1252(d.Descripcion.Texto()));
        txtFicServi->setText(DeCp1252(d.Servicio.Texto()));
        txtFicModo->setText(DeCp1252(d.Modo.Texto()));
        txtFicFecha->setText(DeCp1252(d.Fecha.Texto()));
        txtFicObserva->setText(DeCp1252(d.Observaciones.Texto()));
        txtFrecu->clear();
        return;
    }
    case vyr::Destino::Nueva:
        break;
    }
    frmCreaModi& editor = *editor_;
    editor.txtCMFrecu->setText(txtFrecu->text());
    txtFrecu->clear();
    editor.exec();
    TrasModal();
}
