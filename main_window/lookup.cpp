// Enter in the entry box: read, check, show, look up, then the card or the editor.
#include <QLineEdit>

#include "editor/frm_crea_modi.h"
#include "ui/caja_frecuencia.h"
#include "main_window/frm_vyrw.h"
#include "main_window/textos_principal.h"
#include "ui/caja_multilinea.h"
#include "ui/texto.h"

namespace t = vyr::textos_principal;
using vyr::ui::DeCp1252;

void frmVYRw::txtFrecu_Enter() {
    if (txtFrecu->text().isEmpty()) return;
    // Refused: FrecActual becomes 0. Accepted: it keeps every digit typed.
    vyr::ui::LeeCajaFrecuencia(txtFrecu, e_.mensajes, t::kFueraDeRango, m_.FrecActual);
    VaciaFicha();
    if (!(m_.FrecActual > 0)) return;

    m_.BuscaFrecuencia();
    if (m_.PosFrec >= 1) {
        // A record that cannot be read has been reported; the card stays empty.
        if (!m_.LeeDatos(m_.RegistroDe(m_.PosFrec))) {
            txtFrecu->clear();
            return;
        }
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
    frmCreaModi& editor = *editor_;
    editor.txtCMFrecu->setText(txtFrecu->text());
    txtFrecu->clear();
    editor.exec();
    TrasModal();
}
