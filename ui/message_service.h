#pragma once
// The message box as the store and the windows see it. Plain C++ so that the
// store can report without Qt and tests can script the answers.
#include <string>

namespace vyr::ui {

enum class Botones { Ok, SiNo };    // the first button is the default
enum class Icono { Ninguno, Critico };
enum class Respuesta { Ok, Si, No };

class MessageService {
public:
    virtual ~MessageService() = default;
    // texto and titulo are UTF-8.
    virtual Respuesta Muestra(const std::string& texto, const std::string& titulo,
                              Botones botones, Icono icono) = 0;
};

}  // namespace vyr::ui
