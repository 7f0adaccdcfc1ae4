#include "bench/store_ops.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <unistd.h>

#include "bench/store_fixture.h"
#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "store/modulo.h"

namespace vyr::bench {
namespace {

class Callado : public ui::MessageService {
public:
    ui::Respuesta Muestra(const std::string&, const std::string&, ui::Botones, ui::Icono) override {
        return ui::Respuesta::Ok;
    }
};
Callado callado;

std::string LeeEntero(const std::string& ruta) {
    const int fd = ::open(ruta.c_str(), O_RDONLY);
    std::string s;
    char buf[1 << 16];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) s.append(buf, static_cast<std::size_t>(n));
    ::close(fd);
    return s;
}

void EscribeYSincroniza(const std::string& ruta, const std::string& bytes, bool sync) {
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    if (sync) ::fsync(fd);
    ::close(fd);
}

// Reading the file, then n pwrites of the sizes the import makes, then one fsync.
void SueloImportacion(const std::string& carpeta, int entradas, int registros) {
    const std::string csv = LeeEntero(carpeta + "/vyr.csv");
    const int fi = ::open((carpeta + "/suelo.idx").c_str(), O_RDWR | O_CREAT, 0644);
    const int fd = ::open((carpeta + "/suelo.dat").c_str(), O_RDWR | O_CREAT, 0644);
    char b[300] = {};
    for (int k = 0; k < entradas; ++k)
        if (::pwrite(fi, b, 10, k * 10) != 10) std::abort();
    for (int k = 0; k < registros; ++k)
        if (::pwrite(fd, b, 300, k * 300) != 300) std::abort();
    ::fsync(fd);
    ::close(fi);
    ::close(fd);
}

}  // namespace

std::vector<Fila> MideAlmacen(int veces) {
    std::vector<Fila> filas;
    Almacen a = CreaAlmacen(5000, false);
    const std::string& dir = a.carpeta;
    std::unique_ptr<Modulo> m;

    filas.push_back(Compara(
        "store start-up, 5,000 entries and 100 services", 3, veces, [] {},
        [&] {
            Modulo st(dir, callado);
            if (!st.Arranca()) std::abort();
        },
        [&] {
            for (const char* n : {"/frecuencias.vyr", "/datos.vyr", "/servicios.vyr"}) LeeEntero(dir + n);
        }));

    m = std::make_unique<Modulo>(dir, callado);
    m->Arranca();
    constexpr int kVueltas = 1000;  // one lookup is below the clock's grain
    filas.push_back(Compara(
        "BuscaFrecuencia of slot 5,000 (x1000)", 1.5, veces, [] {},
        [&] {
            for (int i = 0; i < kVueltas; ++i) {
                m->FrecActual = m->TablaFrec[5000];
                m->BuscaFrecuencia();
                if (m->PosFrec != 5000) std::abort();
            }
        },
        [&] {
            const double* t = m->TablaFrec.data();
            for (int i = 0; i < kVueltas; ++i) {
                volatile double buscada = t[5000];
                int pos = 0;
                for (int s = 0; s <= 5000; ++s)
                    if (t[s] == buscada) { pos = s; break; }
                if (pos != 5000) std::abort();
            }
        }));

    // Each save fills the slot that the untimed delete before it freed.
    int vuelta = 0;
    const int fsuelo = ::open((dir + "/suelo.dat").c_str(), O_RDWR | O_CREAT, 0644);
    filas.push_back(Compara(
        "save of a new record from the editor, with its sync", 1.5, veces,
        [&] {
            m->FrecActual = m->TablaFrec[1 + (vuelta * 37) % 5000];
            m->BorraRegistro();
        },
        [&] {
            const RegDatos d = RegistroRealista(vuelta);
            m->FrecActual = LecturaPantalla(TextoPantalla(1000.0 + ++vuelta));
            m->BuscaFrecuencia();
            if (m->PosFrec != 0 || !m->AltaRegistro(d.Descripcion.Texto(), d.Servicio.Texto(), d.Modo.Texto(),
                                                    d.Fecha.Texto(), d.Observaciones.Texto()))
                std::abort();
        },
        [&] {
            char b[300] = {};
            if (::pwrite(fsuelo, b, 10, 100) != 10 || ::pwrite(fsuelo, b, 300, 4000) != 300) std::abort();
            ::fsync(fsuelo);
        }));
    ::close(fsuelo);
    m.reset();
    Borra(dir);

    Almacen b = CreaAlmacen(5000, true);
    filas.push_back(Compara(
        "OrdenaIndice of 5,000 shuffled entries, rewrite and reload", 2, veces,
        [&] {
            m.reset();
            Escribe(b.carpeta + "/frecuencias.vyr", b.indice);
            m = std::make_unique<Modulo>(b.carpeta, callado);
            m->Arranca();
            m->CambioIndice = true;
        },
        [&] {
            if (!m->OrdenaIndice()) std::abort();
        },
        [&] {
            std::vector<std::pair<double, std::int16_t>> p;
            p.reserve(5000);
            for (int k = 0; k < 5000; ++k) p.push_back({b.frecuencias[k], static_cast<std::int16_t>(k + 1)});
            std::sort(p.begin(), p.end());
            std::string bytes(50000, '\0');
            for (int k = 0; k < 5000; ++k) std::memcpy(&bytes[k * 10], &p[k].first, 8);
            EscribeYSincroniza(b.carpeta + "/suelo.idx", bytes, true);
        }));

    // The store is sorted now: the export lists it as it stands.
    if (!m->SalvarDatos()) std::abort();
    const std::string csv = Lee(b.carpeta + "/vyr.csv");
    filas.push_back(Compara(
        "export of 5,000 records", 3, veces, [] {},
        [&] {
            if (!m->SalvarDatos()) std::abort();
        },
        [&] { EscribeYSincroniza(b.carpeta + "/suelo.csv", csv, false); }));
    m.reset();

    const std::string vacia = CarpetaNueva();
    Escribe(vacia + "/vyr.csv", csv);
    filas.push_back(Compara(
        "import of 5,000 new lines into an empty store", 2, veces,
        [&] {
            m.reset();
            Escribe(vacia + "/frecuencias.vyr", "");
            Escribe(vacia + "/datos.vyr", "");
            m = std::make_unique<Modulo>(vacia, callado);
            m->Arranca();
        },
        [&] {
            if (!m->RecuperarDatos() || m->NumFrec != 5000) std::abort();
        },
        [&] { SueloImportacion(vacia, 5000, 5000); }));
    filas.push_back(Compara(
        "import of 5,000 existing lines", 2, veces, [] {},
        [&] {
            if (!m->RecuperarDatos() || m->NumFrec != 5000) std::abort();
        },
        [&] { SueloImportacion(vacia, 0, 5000); }));
    m.reset();
    Borra(vacia);
    Borra(b.carpeta);
    return filas;
}

}  // namespace vyr::bench
