#pragma once
// The whole conversion from input bytes to output bytes, no files touched:
// format, rows, mapping, merging, writing, and the count of all of it.
#include <optional>
#include <string>
#include <string_view>

#include "convert/formatos.h"
#include "convert/recuento.h"

namespace vyr::conv {

struct Peticion {
    std::optional<Formato> de;  // none: from the content
    Formato a = Formato::Vyr;
    std::string entrada;        // the input's name, for the messages
};

struct Conversion {
    int estado = 1;  // 0 written, 1 input not read or recognised or no line, 2 direction refused
    Formato de = Formato::Vyr;
    bool detectado = false;
    bool leida = false;  // the rows were read: the counts mean something
    std::string salida;
    Recuento recuento;
    std::string error;
};

Conversion Convierte(const Peticion& p, std::string_view bytes);

}  // namespace vyr::conv
