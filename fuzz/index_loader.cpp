// Any index file (with a small data file): start-up, lookup, add, delete,
// sort and export never crash and never grow the data file past 5,000 records.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "store/modulo.h"

namespace {

class Callado : public vyr::ui::MessageService {
public:
    vyr::ui::Respuesta Muestra(const std::string&, const std::string&, vyr::ui::Botones, vyr::ui::Icono) override {
        return vyr::ui::Respuesta::Ok;
    }
};

const std::string& Carpeta() {
    static std::string dir = [] {
        char plantilla[] = "/tmp/vyr-fuzz-XXXXXX";
        return std::string(mkdtemp(plantilla));
    }();
    return dir;
}

void Escribe(const std::string& ruta, const unsigned char* d, std::size_t n) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(d), static_cast<std::streamsize>(n));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size > 60000) return 0;
    const std::string& dir = Carpeta();
    Escribe(dir + "/frecuencias.vyr", data, size);
    Escribe(dir + "/datos.vyr", data, size < 900 ? size : 900);
    ::unlink((dir + "/vyr.csv").c_str());
    Callado c;
    vyr::Modulo m(dir, c);
    if (!m.Arranca()) return 0;
    m.FrecActual = m.NumFrec > 0 ? m.TablaFrec[m.NumFrec] : 7.1;
    m.BuscaFrecuencia();
    if (m.PosFrec > 0) {
        m.LeeDatos(m.TablaReg[m.PosFrec]);
        m.ModificaRegistro("x", "y", "z", "w", "v");
        m.BorraRegistro();
    }
    m.FrecActual = 123.456;
    m.BuscaFrecuencia();
    if (m.PosFrec == 0) m.AltaRegistro("nueva", "", "", "", "");
    m.SalvarDatos();
    m.RecuperarDatos();
    m.OrdenaIndice();
    struct stat st {};
    if (::stat((dir + "/datos.vyr").c_str(), &st) == 0 && st.st_size > 5000L * 300) __builtin_trap();
    return 0;
}
