#include "ui/caja_frecuencia.h"

#include "main_window/frequency_text.h"
#include "store/store_messages.h"
#include "ui/texto.h"

namespace vyr::ui {

bool LeeCajaFrecuencia(QLineEdit* caja, MessageService& mensajes, const char* mensaje, double& valor) {
    const double v = LecturaEntrada(ACp1252(caja->text()));
    if (!EnRango(v)) {
        mensajes.Muestra(mensaje, textos::kTituloAlta, Botones::Ok, Icono::Critico);
        valor = 0;
        caja->clear();
        return false;
    }
    valor = v;
    caja->setText(DeCp1252(TextoPantalla(v)));
    return true;
}

}  // namespace vyr::ui
