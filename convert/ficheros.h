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

enum class EstadoSalida { Nueva, Fichero, Otra };
// Nueva: nothing there; Fichero: a regular file (through its links); Otra: a
// device, a folder, a pipe... which a replacement must never rename over.
EstadoSalida Salida(const std::string& ruta);

// The file written beside SALIDA before it is renamed over it: hidden, and
// never the store's own "NAME.nuevo", which VYR's start-up removes and its
// export writes; one per process, so two runs never share one.
std::string NombreTemporal(const std::string& nombre, int pid, int intento);

// Through a link, the file it names is replaced and the link stays.
Fallo EscribeSalida(const std::string& ruta, std::string_view bytes);

}  // namespace vyr::conv
