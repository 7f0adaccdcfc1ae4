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

void MuestraLeida(QLineEdit* caja, const std::string& pantalla) {
    if (pantalla.empty()) caja->clear();
    else caja->setText(DeCp1252(pantalla));
}

bool LeeCajaFrecuencia(QLineEdit* caja, MessageService& mensajes, const char* mensaje, double& valor) {
    const std::string pantalla = LeeFrecuencia(ACp1252(caja->text()), mensajes, mensaje, valor);
    MuestraLeida(caja, pantalla);
    return !pantalla.empty();
}

}  // namespace vyr::ui
