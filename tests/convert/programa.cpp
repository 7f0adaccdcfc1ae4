#include "convert/programa.h"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

#include "store/csv.h"
#include "store/text_lines.h"
#include "support/ficheros.h"

namespace vyr::test {

static std::string Comillas(const std::string& t) {
    std::string r = "'";
    for (char c : t) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

Ejecucion Ejecuta(const std::vector<std::string>& args, const std::string& entrada) {
    const std::string dir = CarpetaTemporal();
    EscribeFichero(dir + "/in", entrada);
    std::string orden = Comillas(VYR_CONVERTIR);
    for (const auto& a : args) orden += " " + Comillas(a);
    orden += " <" + Comillas(dir + "/in") + " >" + Comillas(dir + "/out") + " 2>" + Comillas(dir + "/err");
    const int r = std::system(orden.c_str());
    Ejecucion e{WIFEXITED(r) ? WEXITSTATUS(r) : -1, LeeFichero(dir + "/out"), LeeFichero(dir + "/err")};
    BorraCarpeta(dir);
    return e;
}

int Cifra(const std::string& informe, const std::string& que) {
    const auto k = informe.find("\n" + que + ": ");
    return k == std::string::npos ? -1 : std::atoi(informe.c_str() + k + que.size() + 3);
}

std::vector<CamposVyr> LineasVyr(const std::string& bytes) {
    std::vector<CamposVyr> r;
    RecorreLineas(bytes, [&](std::string_view linea) {
        RegDatos d;
        const std::string hz = CortaLineaCsv(linea, d);
        r.push_back({hz, d.Descripcion.SinEspaciosFinales(), d.Modo.SinEspaciosFinales()});
        return true;
    });
    return r;
}

std::string Real(const std::string& nombre) {
    const std::string ruta = std::string(VYR_TESTDATA) + "/" + nombre;
    return std::filesystem::exists(ruta) ? ruta : std::string();
}

}  // namespace vyr::test
