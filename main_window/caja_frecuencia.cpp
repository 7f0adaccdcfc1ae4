#include "main_window/caja_frecuencia.h"

#include "main_window/frequency_text.h"
#include "ui/texto.h"

namespace vyr {

bool LeeCajaFrecuencia(QLineEdit* caja, ui::MessageService& mensajes, const char* mensaje,
                       const char* titulo, double& valor) {
    const double v = LecturaEntrada(ui::ACp1252(caja->text()));
    if (!EnRango(v)) {
        mensajes.Muestra(mensaje, titulo, ui::Botones::Ok, ui::Icono::Critico);
        valor = 0;
        caja->clear();
        return false;
    }
    valor = v;
    caja->setText(ui::DeCp1252(TextoPantalla(v)));
    return true;
}

}  // namespace vyr
