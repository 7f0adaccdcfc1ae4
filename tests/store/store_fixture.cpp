#include "store/store_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "store/records.h"

namespace vyr::test {

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
    const auto b = BytesIndice(RegIndice{frecuencia, numreg});
    return std::string(b.begin(), b.end());
}

std::string Registro(const std::string& d, const std::string& s, const std::string& m,
                     const std::string& f, const std::string& o) {
    auto campo = [](std::string t, std::size_t n) {
        t.resize(n, ' ');
        return t;
    };
    return campo(d, 40) + campo(s, 18) + campo(m, 6) + campo(f, 6) + campo(o, 230);
}

}  // namespace vyr::test
