#pragma once
// One reader per format: bytes to named rows. Field names are the source's
// own (its header or its documentation), the ones the mapping tables use.
#include <span>
#include <string_view>

#include "convert/fila.h"
#include "convert/formatos.h"

namespace vyr::conv {

Lectura LeeGqrx(std::string_view bytes);
Lectura LeeSdrpp(std::string_view bytes);
Lectura LeeChirp(std::string_view bytes);
Lectura LeeEibi(std::string_view bytes);
Lectura LeeVyr(std::string_view bytes);

Lectura Lee(Formato f, std::string_view bytes);

// Cuts a line at every separator (no quoting in these formats).
std::vector<std::string_view> Corta(std::string_view linea, char separador);

// Line n cut at ";" into a row of the named fields, trimmed; refused, saying
// how many it had, unless it has exactly that many.
void AnadeFila(Lectura& l, int n, std::string_view linea, std::span<const char* const> nombres);

}  // namespace vyr::conv
