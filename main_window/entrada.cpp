#include "main_window/entrada.h"

#include "main_window/textos_principal.h"
#include "ui/caja_frecuencia.h"

namespace vyr {

Destino DecideEntrada(const std::string& tecleado, Modulo& m, ui::MessageService& mensajes,
                      const std::function<void(const std::string& pantalla)>& leida) {
    if (tecleado.empty()) return Destino::Nada;
    // Refused: FrecActual becomes 0. Accepted: it keeps every digit typed.
    leida(ui::LeeFrecuencia(tecleado, mensajes, textos_principal::kFueraDeRango, m.FrecActual));
    if (!(m.FrecActual > 0)) return Destino::Rechazada;

    m.BuscaFrecuencia();
    if (m.PosFrec >= 1) return m.LeeDatos(m.RegistroDe(m.PosFrec)) ? Destino::Ficha : Destino::Ilegible;
    return Destino::Nueva;
}

}  // namespace vyr
