#include "convert/fusion.h"

#include <map>

#include "convert/hercios.h"

namespace vyr::conv {

std::vector<Linea> Fusiona(std::vector<Registro> registros, Recuento& c) {
    const auto menor = [](const std::string& a, const std::string& b) { return Compara(a, b) < 0; };
    std::map<std::string, Linea, decltype(menor)> porFrecuencia(menor);
    for (Registro& r : registros) {
        const auto [it, nueva] = porFrecuencia.try_emplace(r.hercios);
        if (nueva) {
            it->second.registro = std::move(r);
        } else {
            it->second.otrosNombres << r.descripcion;
            ++c.filasFusionadas;
        }
    }
    std::vector<Linea> lineas;
    lineas.reserve(porFrecuencia.size());
    for (auto& [hz, l] : porFrecuencia) lineas.push_back(std::move(l));
    return lineas;
}

}  // namespace vyr::conv
