// Enter in the entry box: read, check, show, look up, then the card or the editor.
#include <QLineEdit>

#include "editor/frm_crea_modi.h"
#include "main_window/frequency_text.h"
#include "main_window/frm_vyrw.h"
#include "main_window/textos_principal.h"
#include "ui/caja_multilinea.h"
#include "ui/texto.h"

namespace t = vyr::textos_principal;
using vyr::ui::DeCp1252;

void frmVYRw::txtFrecu_Enter() {
    if (txtFrecu->text().isEmpty()) return;
    const double valor = vyr::LecturaEntrada(vyr::ui::ACp1252(txtFrecu->text()));
    if (!vyr::EnRango(valor)) {
        e_.mensajes.Muestra(t::kFueraDeRango, t::kTituloAlta, vyr::ui::Botones::Ok,
                            vyr::ui::Icono::Critico);
        m_.FrecActual = 0;
        txtFrecu->clear();
    } else {
        m_.FrecActual = valor;  // unrounded: the lookup is for every digit typed
        txtFrecu->setText(DeCp1252(vyr::TextoPantalla(valor)));
    }
    VaciaFicha();
    if (!(m_.FrecActual > 0)) return;

    m_.BuscaFrecuencia();
    if (m_.PosFrec >= 1) {
        m_.LeeDatos(m_.TablaReg[m_.PosFrec]);
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
