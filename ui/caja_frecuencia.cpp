#include "ui/caja_frecuencia.h"

#include "main_window/frequency_text.h"
#include "store/store_messages.h"
#include "ui/texto.h"

namespace vyr::ui {

std::string LeeFrecuencia(const std::string& texto, MessageService& mensajes, const char* mensaje, double& valor) {
    const double v = LecturaEntrada(texto);
    if (!EnRango(v)) {
        mensajes.Muestra(mensaje, textos::kTituloAlta, Botones::Ok, Icono::Critico);
        valor = 0;
        return {};
    }
    valor = v;
    return TextoPantalla(v);
}

bool LeeCajaFrecuencia(QLineEdit* caja, MessageService& mensajes, const char* mensaje, double& valor) {
    const std::string pantalla = LeeFrecuencia(ACp1252(caja->text()), mensajes, mensaje, valor);
    if (pantalla.empty()) {
        caja->clear();
        return false;
    }
    caja->setText(DeCp1252(pantalla));
    return true;
}

}  // namespace vyr::ui
