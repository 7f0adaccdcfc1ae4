#pragma once
// The command line: vyr-convertir [--de F] [--a F] [--forzar] ENTRADA SALIDA.
#include <optional>
#include <string>
#include <vector>

#include "convert/formatos.h"

namespace vyr::conv {

struct Opciones {
    std::optional<Formato> de;
    Formato a = Formato::Vyr;
    bool forzar = false;
    bool ayuda = false;
    std::string entrada, salida;
};

struct LecturaOpciones {
    std::optional<Opciones> opciones;
    std::string error;  // a usage error, in Spanish
};

// The arguments after the program's name. "--de=F" as well as "--de F";
// "--" ends the options; "-" alone is a file name.
LecturaOpciones LeeOpciones(const std::vector<std::string>& args);

}  // namespace vyr::conv
