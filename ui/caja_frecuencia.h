#pragma once
// A frequency typed into a box, read and checked as the entry box does it:
// refused with the message (critical icon) and the box emptied, or accepted
// and shown back as its display text. The message's title is the add's.
#include <QLineEdit>
#include <string>

#include "ui/message_service.h"

namespace vyr::ui {

// false: refused, valor is 0. true: valor holds every digit typed.
bool LeeCajaFrecuencia(QLineEdit* caja, MessageService& mensajes, const char* mensaje, double& valor);
// The same on a text in the code page, without a box: the display text, or
// "" when refused.
std::string LeeFrecuencia(const std::string& texto, MessageService& mensajes, const char* mensaje, double& valor);
// What LeeFrecuencia gave, shown in the box: emptied when refused.
void MuestraLeida(QLineEdit* caja, const std::string& pantalla);

}  // namespace vyr::ui
