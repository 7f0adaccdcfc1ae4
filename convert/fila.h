#pragma once
// What a reader hands on: each row as named texts, the rows it refused, and
// the counts of how the text was read.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "convert/texto_origen.h"

namespace vyr::conv {

struct Fila {
    int orden = 0;      // where in the file: rows and refusals keep the file's order
    std::string donde;  // "línea 17", for the messages
    std::vector<std::pair<std::string, QString>> campos;
    // "" when the row has no such field.
    QString Valor(std::string_view nombre) const;
};

struct Descarte {
    int orden = 0;
    std::string donde;
    std::string motivo;
};

struct Lectura {
    std::vector<Fila> filas;
    std::vector<Descarte> descartes;
    // Not empty: the file as a whole could not be read; nothing else counts.
    std::string error;
    Decodificador texto;
};

}  // namespace vyr::conv
