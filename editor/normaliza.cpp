// What a field box does to its text when the focus leaves it.
#include <QLineEdit>

#include "editor/frm_crea_modi.h"
#include "ui/caja_multilinea.h"
#include "ui/texto.h"

namespace vyr::editor {

QString BuscaServicios(const std::array<std::string, kMaxServicios + 1>& servicios, QString texto) {
    for (int i = 0; i < kMaxServicios; ++i) {
        const std::string& s = servicios[static_cast<std::size_t>(i)];
        if (s.empty()) continue;
        if (ui::DeCp1252(s.substr(0, 2)) != texto) continue;
        // A slot of one or two characters has no name to put in: the text stays.
        if (s.size() >= 3) texto = ui::DeCp1252(s.substr(3));
    }
    return texto;
}

}  // namespace vyr::editor

namespace {

QString Normalizado(QString texto, const char* vacio, int ancho) {
    if (texto.isEmpty()) texto = QString::fromLatin1(vacio);
    if (vyr::ui::Caracteres(texto) > ancho) texto = vyr::ui::PrimerosCaracteres(texto, ancho);
    return texto;
}

}  // namespace

void frmCreaModi::Normaliza(QObject* caja) {
    if (caja == txtCMObserva) {
        const QString antes = txtCMObserva->text();
        const QString texto = Normalizado(antes, " ", 230);
        if (texto != antes) txtCMObserva->setText(texto);
        return;
    }
    auto* linea = qobject_cast<QLineEdit*>(caja);
    if (!linea) return;
    QString texto = linea->text();
    if (linea == txtCMDescri) {
        texto = Normalizado(texto, "-", 40);
    } else if (linea == txtCMServi) {
        texto = vyr::editor::BuscaServicios(m_.Servicios, Normalizado(texto, "-", 18));
    } else if (linea == txtCMModo) {
        texto = vyr::ui::Mayusculas(Normalizado(texto, "-", 6));
    } else if (linea == txtCMFecha) {
        texto = Normalizado(texto, "-", 6);
    }
    // Rewriting an unchanged text would lose the user's caret and undo history.
    if (texto != linea->text()) linea->setText(texto);
}
