#pragma once
// The merged lines written out: our own line format, or a receiver's file.
#include <string>
#include <vector>

#include "convert/formatos.h"
#include "convert/fusion.h"
#include "convert/recuento.h"

namespace vyr::conv {

// Windows-1252, CR LF, exactly the lines our export writes.
std::string EscribeVyr(const std::vector<Linea>& lineas, Recuento& c);
// Gqrx's bookmarks.csv as Gqrx itself writes it (UTF-8, LF).
std::string EscribeGqrx(const std::vector<Linea>& lineas, Recuento& c);
// SDR++'s frequency_manager_config.json, one list per service.
std::string EscribeSdrpp(const std::vector<Linea>& lineas, Recuento& c);

std::string Escribe(Formato a, const std::vector<Linea>& lineas, Recuento& c);

}  // namespace vyr::conv
