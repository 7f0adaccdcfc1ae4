#include "support/ficheros.h"

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vyr::test {

std::string LeeFichero(const std::string& ruta) {
    // A folder or a missing file reads as no bytes.
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void EscribeFichero(const std::string& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string CarpetaTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "vyr-test-XXXXXX").string();
    if (!::mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    return plantilla;
}

void BorraCarpeta(const std::string& ruta) {
    std::error_code ec;
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(ruta, ec);
}

bool Existe(const std::string& ruta) { return std::filesystem::exists(ruta); }

std::string Entrada(double frecuencia, std::int16_t numreg) {
    // Byte k of the 80 bits, lowest first: the frequency's bits, then the number's.
    const auto bits = std::bit_cast<std::uint64_t>(frecuencia);
    const auto n = static_cast<std::uint16_t>(numreg);
    std::string b(10, '\0');
    for (std::size_t k = 0; k < 10; ++k) b[k] = char(k < 8 ? bits >> (8 * k) : n >> (8 * k - 64));
    return b;
}

std::string Registro(const std::string& d, const std::string& s, const std::string& m,
                     const std::string& f, const std::string& o) {
    const auto campo = [](std::string t, std::size_t n) {
        t.resize(n, ' ');
        return t;
    };
    return campo(d, 40) + campo(s, 18) + campo(m, 6) + campo(f, 6) + campo(o, 230);
}

void EscribeAlmacen(const std::string& carpeta, const std::vector<Fila>& filas) {
    std::string indice, datos;
    for (std::size_t k = 0; k < filas.size(); ++k) {
        indice += Entrada(filas[k].f, static_cast<std::int16_t>(k + 1));
        const Fila& r = filas[k].f == 0 ? Fila{0} : filas[k];
        datos += Registro(r.d, r.s, r.mo, r.fe, r.o);
    }
    EscribeFichero(carpeta + "/frecuencias.vyr", indice);
    EscribeFichero(carpeta + "/datos.vyr", datos);
}

}  // namespace vyr::test
