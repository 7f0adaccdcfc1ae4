#pragma once
// The message box on Qt: modal, Spanish buttons, the first one the default.
#include "ui/message_service.h"

namespace vyr::ui {

class QtMessageService : public MessageService {
public:
    Respuesta Muestra(const std::string& texto, const std::string& titulo, Botones botones,
                      Icono icono) override;
};

}  // namespace vyr::ui
