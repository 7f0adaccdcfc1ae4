#pragma once
// The message box on Qt: modal, Spanish buttons, the first one the default.
#include "ui/message_service.h"

class QtMessageService : public vyr::ui::MessageService {
public:
    vyr::ui::Respuesta Muestra(const std::string& texto, const std::string& titulo,
                               vyr::ui::Botones botones, vyr::ui::Icono icono) override;
};
