#include "bench/store_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace vyr::bench {
namespace {

constexpr const char* kEmisoras[] = {"Radio Exterior de Espa\xF1" "a", "BBC World Service", "Radio Nacional de Espa\xF1" "a",
                           "Voice of America", "Radio France Internationale", "Deutsche Welle", "NHK World",
                           "Radio Rom\xE2nia International", "China Radio International", "Radio Habana Cuba",
                           "Trans World Radio", "Radio Mart\xED", "All India Radio", "Radio Nederland"};
constexpr const char* kServicios[] = {"Radiodifusi\xF3n", "Aeron\xE1utico", "Mar\xEDtimo", "Utilitaria", "Radioaficionados",
                            "Meteorolog\xED" "a", "Militar", "Se\xF1" "ales horarias"};
constexpr const char* kModos[] = {"AM", "USB", "LSB", "FM", "CW", "RTTY", "DRM"};

}  // namespace

RegDatos RegistroRealista(int i) {
    RegDatos d;
    const auto k = static_cast<std::size_t>(i);
    d.Descripcion.Asigna(std::string(kEmisoras[k % 14]) + " " + std::to_string(i));
    d.Servicio.Asigna(kServicios[k % 8]);
    d.Modo.Asigna(kModos[k % 7]);
    char f[16];
    std::snprintf(f, sizeof f, "%02d%02d%02d", 1 + i % 28, 1 + i % 12, 20 + i % 7);
    d.Fecha.Asigna(f);
    d.Observaciones.Asigna("Escuchada desde Valencia con antena de hilo largo; se\xF1" "al " +
                           std::to_string(i % 5 + 1) + "/5, desvanecimientos lentos. Emisor en " +
                           kEmisoras[(k * 7) % 14]);
    return d;
}

std::string CarpetaNueva() {
    std::string p = (std::filesystem::temp_directory_path() / "vyr-bench-XXXXXX").string();
    if (!::mkdtemp(p.data())) std::abort();
    return p;
}

void Borra(const std::string& carpeta) { std::filesystem::remove_all(carpeta); }

void Escribe(const std::string& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

Almacen CreaAlmacen(int n, bool barajado) {
    Almacen a;
    a.carpeta = CarpetaNueva();
    // Whole hertz, as a list read from a file holds them: each survives the
    // CSV's text in hertz and back bit for bit.
    for (int i = 1; i <= n; ++i) a.frecuencias.push_back(double(150000 + i * 5000 + (i % 3) * 100) / 1000000.0);
    if (barajado) std::shuffle(a.frecuencias.begin(), a.frecuencias.end(), std::mt19937(5122026));
    for (int k = 1; k <= n; ++k) {
        const auto e = BytesIndice(RegIndice{a.frecuencias[std::size_t(k) - 1], static_cast<std::int16_t>(k)});
        a.indice.append(e.begin(), e.end());
        const auto d = BytesDatos(RegistroRealista(k));
        a.datos.append(d.begin(), d.end());
    }
    for (int s = 0; s < 100; ++s) {
        a.servicios += static_cast<char>('A' + s / 26 % 26);
        a.servicios += static_cast<char>('A' + s % 26);
        a.servicios += std::string(" ") + kServicios[std::size_t(s) % 8] + " " + std::to_string(s);
        if (s < 99) a.servicios += "\r\n";
    }
    Escribe(a.carpeta + "/frecuencias.vyr", a.indice);
    Escribe(a.carpeta + "/datos.vyr", a.datos);
    Escribe(a.carpeta + "/servicios.vyr", a.servicios);
    return a;
}

}  // namespace vyr::bench
