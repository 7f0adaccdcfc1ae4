// CHIRP's generic CSV: "#" lines, then the header that names the columns (in
// any order), then one row per memory. Standard quoting; UTF-8 with or
// without BOM.
#include <algorithm>

#include "convert/csv_comillas.h"
#include "convert/lectores.h"
#include "convert/mensajes.h"

namespace vyr::conv {

Lectura LeeChirp(std::string_view bytes) {
    Lectura l;
    const auto registros = CortaCsv(SinBom(bytes));
    std::vector<std::string> cabecera;
    for (const auto& r : registros) {
        if (r.campos[0].starts_with('#')) continue;  // CHIRP's comment lines
        if (cabecera.empty()) {
            if (r.campos[0] != "Location") {
                l.error = textos::kSinCabeceraChirp;
                return l;
            }
            cabecera = r.campos;
            if (std::find(cabecera.begin(), cabecera.end(), "Frequency") == cabecera.end()) {
                l.error = textos::kSinColumnaFrecuencia;
                return l;
            }
            continue;
        }
        if (r.sinCierre) {
            l.descartes.push_back({r.linea, textos::Linea(r.linea), textos::kComillasSinCerrar});
            continue;
        }
        if (r.campos.size() != cabecera.size()) {
            l.descartes.push_back({r.linea, textos::Linea(r.linea), textos::Campos(int(r.campos.size()), int(cabecera.size()))});
            continue;
        }
        const bool utf8 = l.texto.Elige(r.bruto);
        Fila f{r.linea, textos::Linea(r.linea), {}};
        for (std::size_t k = 0; k < cabecera.size(); ++k)
            f.campos.emplace_back(cabecera[k], l.texto.Texto(r.campos[k], utf8).trimmed());
        l.filas.push_back(std::move(f));
    }
    if (cabecera.empty()) l.error = textos::kSinCabeceraChirp;
    return l;
}

}  // namespace vyr::conv
