#pragma once
// The list formats the converter knows, by the names the command line uses.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr::conv {

enum class Formato { Gqrx, Sdrpp, Chirp, Eibi, Vyr };

inline constexpr Formato kFormatos[] = {Formato::Gqrx, Formato::Sdrpp, Formato::Chirp, Formato::Eibi,
                                        Formato::Vyr};

std::string_view Nombre(Formato f);
// "gqrx", "SDRPP", ...; nullopt for anything else.
std::optional<Formato> FormatoDeNombre(std::string_view nombre);
// "gqrx, sdrpp, chirp, eibi y vyr".
std::string Lista(const std::vector<Formato>& formatos);

// Only our own line format goes out to the receivers' files; from any format
// to ours.
bool Admitida(Formato de, Formato a);

// The formats whose marks the bytes carry, from the content alone.
std::vector<Formato> Candidatos(std::string_view bytes);

}  // namespace vyr::conv
