#include "convert/lectores.h"

#include "convert/mensajes.h"

namespace vyr::conv {

Lectura Lee(Formato f, std::string_view bytes) {
    switch (f) {
        case Formato::Gqrx: return LeeGqrx(bytes);
        case Formato::Sdrpp: return LeeSdrpp(bytes);
        case Formato::Chirp: return LeeChirp(bytes);
        case Formato::Eibi: return LeeEibi(bytes);
        case Formato::Vyr: return LeeVyr(bytes);
    }
    return {};
}

std::vector<std::string_view> Corta(std::string_view linea, char separador) {
    std::vector<std::string_view> r;
    std::size_t i = 0;
    for (;;) {
        const auto k = linea.find(separador, i);
        r.push_back(linea.substr(i, k == std::string_view::npos ? std::string_view::npos : k - i));
        if (k == std::string_view::npos) return r;
        i = k + 1;
    }
}

void AnadeFila(Lectura& l, int n, std::string_view linea, std::span<const char* const> nombres) {
    const auto campos = Corta(linea, ';');
    if (campos.size() != nombres.size()) {
        l.descartes.push_back({n, textos::Linea(n), textos::Campos(int(campos.size()), int(nombres.size()))});
        return;
    }
    const bool utf8 = l.texto.Elige(linea);
    Fila f{n, textos::Linea(n), {}};
    for (std::size_t k = 0; k < nombres.size(); ++k)
        f.campos.emplace_back(nombres[k], l.texto.Texto(campos[k], utf8).trimmed());
    l.filas.push_back(std::move(f));
}

}  // namespace vyr::conv
