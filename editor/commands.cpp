// The editor's three commands, each ending with the copy-back to the card.
#include <QLineEdit>

#include "editor/frm_crea_modi.h"
#include "editor/textos_editor.h"
#include "main_window/frequency_text.h"
#include "ui/ficha.h"
#include "ui/caja_multilinea.h"
#include "ui/texto.h"

namespace t = vyr::textos_editor;
using vyr::ui::ACp1252;

void frmCreaModi::cmdCMActFecha_Click() {
    txtCMFecha->setText(QString::fromStdString(vyr::ui::TextoFecha(e_.reloj.Hoy())));
}

void frmCreaModi::cmdCMGraba_Click() {
    m_.FrecActual = vyr::LecturaPantalla(ACp1252(txtCMFrecu->text()));
    m_.BuscaFrecuencia();
    // Add or modify is decided now, from the displayed frequency.
    const std::string d = ACp1252(txtCMDescri->text()), s = ACp1252(txtCMServi->text()),
                      mo = ACp1252(txtCMModo->text()), f = ACp1252(txtCMFecha->text()),
                      o = ACp1252(txtCMObserva->text());
    const bool hecho = m_.PosFrec != 0 ? m_.ModificaRegistro(d, s, mo, f, o)
                                       : m_.AltaRegistro(d, s, mo, f, o);
    // Not stored (the user has been told why): the editor stays open with the
    // texts, so that nothing typed is lost and the card shows nothing unsaved.
    if (hecho) DevuelveYCierra();
}

void frmCreaModi::cmdCMBorrar_Click() {
    const vyr::ui::Respuesta r = e_.mensajes.Muestra(t::kConfirmaBorrado, t::kTituloBorrar,
                                                     vyr::ui::Botones::SiNo, vyr::ui::Icono::Ninguno);
    if (r == vyr::ui::Respuesta::Si) {
        m_.FrecActual = vyr::LecturaPantalla(ACp1252(txtCMFrecu->text()));
        if (!m_.BorraRegistro()) return;  // told; the record is still there, and the editor open
        for (QLineEdit* caja : {txtCMFrecu, txtCMDescri, txtCMServi, txtCMModo, txtCMFecha})
            caja->clear();
        txtCMObserva->clear();
    }
    DevuelveYCierra();
}

void frmCreaModi::cmdCMSalir_Click() { DevuelveYCierra(); }

void frmCreaModi::DevuelveYCierra() {
    vyr::ui::CopiaFicha(propia_, tarjeta_);
    emit descarga();
}
