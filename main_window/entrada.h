#pragma once
// What Enter in the entry box comes to: the typed text read and checked, then
// looked up in the store. The window only shows the outcome.
#include <functional>
#include <string>

#include "store/modulo.h"
#include "ui/message_service.h"

namespace vyr {

enum class Destino {
    Nada,       // an empty box: no message, the card keeps what it shows
    Rechazada,  // told with the range message; FrecActual is 0
    Ficha,      // stored: BufDatos holds its record
    Ilegible,   // stored, but its record could not be read (the store told why)
    Nueva,      // not stored: the editor opens on it
};

// tecleado is the box's text in the code page. Once it is read, leida gets
// its display text ("" when refused) before anything is looked up: the card
// must already be empty when the store reports a record it cannot read.
Destino DecideEntrada(const std::string& tecleado, Modulo& m, ui::MessageService& mensajes,
                      const std::function<void(const std::string& pantalla)>& leida);

}  // namespace vyr
