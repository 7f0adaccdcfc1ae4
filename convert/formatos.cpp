#include "convert/formatos.h"

#include <algorithm>
#include <cctype>

namespace vyr::conv {

std::string_view Nombre(Formato f) {
    switch (f) {
        case Formato::Gqrx: return "gqrx";
        case Formato::Sdrpp: return "sdrpp";
        case Formato::Chirp: return "chirp";
        case Formato::Eibi: return "eibi";
        case Formato::Vyr: return "vyr";
    }
    return "";
}

std::optional<Formato> FormatoDeNombre(std::string_view nombre) {
    std::string n(nombre);
    std::transform(n.begin(), n.end(), n.begin(), [](unsigned char c) { return std::tolower(c); });
    for (Formato f : kFormatos)
        if (Nombre(f) == n) return f;
    return std::nullopt;
}

std::string Lista(const std::vector<Formato>& formatos) {
    std::string r;
    for (std::size_t i = 0; i < formatos.size(); ++i) {
        if (i > 0) r += i + 1 == formatos.size() ? " y " : ", ";
        r += Nombre(formatos[i]);
    }
    return r;
}

bool Admitida(Formato de, Formato a) {
    return a == Formato::Vyr || ((a == Formato::Gqrx || a == Formato::Sdrpp) && de == Formato::Vyr);
}

}  // namespace vyr::conv
