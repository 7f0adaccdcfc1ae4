// The record card's buttons: "Fecha hoy", "Modificar" and "Consultar".
#include <QLineEdit>

#include "editor/frm_crea_modi.h"
#include "main_window/frequency_text.h"
#include "main_window/frm_vyrw.h"
#include "query/frm_consultar.h"
#include "store/fixed_text.h"
#include "ui/caja_multilinea.h"
#include "ui/texto.h"

namespace {

QString SinEspaciosFinales(QString s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
    s.truncate(n);
    return s;
}

}  // namespace

void frmVYRw::cmdFicActFecha_Click() {
    if (!txtFicFrecu->text().isEmpty()) {
        const QString antes = txtFicFecha->text();
        txtFicFecha->setText(QString::fromStdString(vyr::ui::TextoFecha(e_.reloj.Hoy())));
        // The card's own frequency: an import may have left another in FrecActual.
        m_.FrecActual = vyr::LecturaPantalla(vyr::ui::ACp1252(txtFicFrecu->text()));
        m_.BuscaFrecuencia();
        if (m_.PosFrec >= 1) {
            const int n = m_.RegistroDe(m_.PosFrec);
            bool hecho = m_.LeeDatos(n);
            if (hecho) {
                m_.BufDatos.Fecha.Asigna(vyr::ui::ACp1252(txtFicFecha->text()));
                hecho = m_.EscribeDatos(n);
            }
            // The user has been told; the card must not show a date that is not stored.
            if (!hecho) txtFicFecha->setText(antes);
        }
    }
    txtFrecu->setFocus();
}

void frmVYRw::cmdFicModi_Click() {
    if (!txtFicFrecu->text().isEmpty()) {
        txtFrecu->setFocus();
        frmCreaModi& editor = *editor_;
        editor.txtCMFrecu->setText(txtFicFrecu->text());
        editor.txtCMDescri->setText(SinEspaciosFinales(txtFicDescri->text()));
        editor.txtCMServi->setText(SinEspaciosFinales(txtFicServi->text()));
        editor.txtCMModo->setText(SinEspaciosFinales(txtFicModo->text()));
        editor.txtCMFecha->setText(SinEspaciosFinales(txtFicFecha->text()));
        editor.txtCMObserva->setText(SinEspaciosFinales(txtFicObserva->text()));
        VaciaFicha();
        editor.exec();
        TrasModal();
    }
    txtFrecu->setFocus();
}

void frmVYRw::cmdConsultar_Click() {
    txtFrecu->setFocus();
    consultar_->exec();
    TrasModal();
}
