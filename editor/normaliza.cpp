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

namespace {

QString Ajustado(QString texto, const char* vacio, int ancho) {
    if (texto.isEmpty()) texto = QString::fromLatin1(vacio);
    if (ui::Caracteres(texto) > ancho) texto = ui::PrimerosCaracteres(texto, ancho);
    return texto;
}

}  // namespace

QString Normalizado(Campo campo, const QString& texto, const std::array<std::string, kMaxServicios + 1>& servicios) {
    switch (campo) {
    case Campo::Descripcion: return Ajustado(texto, "-", 40);
    case Campo::Servicio: return BuscaServicios(servicios, Ajustado(texto, "-", 18));
    case Campo::Modo: return ui::Mayusculas(Ajustado(texto, "-", 6));
    case Campo::Fecha: return Ajustado(texto, "-", 6);
    case Campo::Observaciones: return Ajustado(texto, " ", 230);
    }
    return texto;
}

}  // namespace vyr::editor

void frmCreaModi::Normaliza(QObject* caja) {
    using vyr::editor::Campo;
    using vyr::editor::Normalizado;
    if (caja == txtCMObserva) {
        const QString antes = txtCMObserva->text();
        const QString texto = Normalizado(Campo::Observaciones, antes, m_.Servicios);
        if (texto != antes) txtCMObserva->setText(texto);
        return;
    }
    const std::pair<QLineEdit*, Campo> lineas[] = {{txtCMDescri, Campo::Descripcion},
                                                   {txtCMServi, Campo::Servicio},
                                                   {txtCMModo, Campo::Modo},
                                                   {txtCMFecha, Campo::Fecha}};
    for (const auto& [linea, campo] : lineas) {
        if (linea != caja) continue;
        const QString texto = Normalizado(campo, linea->text(), m_.Servicios);
        // Rewriting an unchanged text would lose the user's caret and undo history.
        if (texto != linea->text()) linea->setText(texto);
    }
}
