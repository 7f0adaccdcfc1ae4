#include "convert/lectores.h"

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

}  // namespace vyr::conv
