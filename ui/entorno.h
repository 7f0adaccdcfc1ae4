#pragma once
// The services every window receives.
#include "ui/clock.h"
#include "ui/message_service.h"
#include "ui/printer.h"

namespace vyr::ui {

struct Entorno {
    MessageService& mensajes;
    Clock& reloj;
    PrinterFactory& impresoras;
};

}  // namespace vyr::ui
