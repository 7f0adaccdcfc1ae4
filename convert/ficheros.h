#pragma once
// The converter's files: the input read whole, the output written whole
// through the store's replacement (a file beside it, synced, renamed over,
// the folder synced), so an interrupted run leaves no half file. "-" is the
// standard input or output.
#include <string>
#include <string_view>

#include "store/replace_file.h"

namespace vyr::conv {

int LeeEntrada(const std::string& ruta, std::string& bytes);  // 0 or errno
bool Existe(const std::string& ruta);                          // a dangling link counts
Fallo EscribeSalida(const std::string& ruta, std::string_view bytes);

}  // namespace vyr::conv
