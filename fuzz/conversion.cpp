#include "fuzz/conversion.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "convert/conversion.h"
#include "convert/hercios.h"
#include "main_window/frequency_text.h"
#include "store/csv.h"

namespace vyr::fuzz {
namespace {

void Exige(bool ok) {
    if (!ok) __builtin_trap();
}

// The frequency texts of our lines, each checked as the store reads it.
std::vector<std::string> Frecuencias(const std::string& salida) {
    std::vector<std::string> r;
    std::size_t k = 0;
    while (k < salida.size()) {
        const auto fin = salida.find("\r\n", k);
        Exige(fin != std::string::npos);
        const std::string_view linea(salida.data() + k, fin - k);
        Exige(std::count(linea.begin(), linea.end(), ';') == 5);
        Exige(linea.find_first_of("\r\n") == std::string_view::npos);
        RegDatos d;
        const std::string hz = CortaLineaCsv(linea, d);
        Exige(conv::EnRango(hz));
        // The store reads it and writes back the same text.
        Exige(TextoHercios(LecturaEntrada(hz) / 1e6) == hz);
        Exige(r.empty() || conv::Compara(r.back(), hz) < 0);
        r.push_back(hz);
        k = fin + 2;
    }
    return r;
}

}  // namespace

void CompruebaConversion(conv::Formato formato, const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto c = conv::Convierte({formato, conv::Formato::Vyr, "x"}, bytes);
    if (c.estado != 0) {
        Exige(c.salida.empty());
        return;
    }
    const auto& n = c.recuento;
    Exige(n.filasLeidas == n.lineasEscritas + n.filasFusionadas + int(n.descartes.size()));
    const auto frecuencias = Frecuencias(c.salida);
    Exige(int(frecuencias.size()) == n.lineasEscritas);
    // Our lines read again give the same lines.
    const auto otra = conv::Convierte({conv::Formato::Vyr, conv::Formato::Vyr, "y"}, c.salida);
    Exige(otra.estado == 0 && otra.salida == c.salida);
    if (formato != conv::Formato::Vyr) return;
    // Out to the receivers and back: SDR++ keeps every frequency; Gqrx
    // keeps whole hertz, so two may become one.
    for (conv::Formato receptor : {conv::Formato::Sdrpp, conv::Formato::Gqrx}) {
        const auto ida = conv::Convierte({conv::Formato::Vyr, receptor, "z"}, c.salida);
        Exige(ida.estado == 0);
        const auto vuelta = conv::Convierte({receptor, conv::Formato::Vyr, "w"}, ida.salida);
        Exige(vuelta.estado == 0 && vuelta.recuento.descartes.empty());
        const auto despues = Frecuencias(vuelta.salida);
        if (receptor == conv::Formato::Sdrpp) Exige(despues == frecuencias);
        else Exige(despues.size() <= frecuencias.size());
    }
}

}  // namespace vyr::fuzz
