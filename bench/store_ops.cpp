#include "bench/store_ops.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "bench/floors.h"
#include "bench/sqlite_store.h"
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

void Exige(bool condicion, const char* que) {
    if (condicion) return;
    std::fprintf(stderr, "vyr_bench: %s\n", que);
    std::abort();
}

std::vector<RegDatos> Registros(int n) {
    std::vector<RegDatos> v;
    for (int k = 1; k <= n; ++k) v.push_back(RegistroRealista(k));
    return v;
}

std::vector<std::string> LineasServicios(const std::string& s) {
    std::vector<std::string> v;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t j = std::min(s.find("\r\n", i), s.size());
        v.push_back(s.substr(i, j - i));
        i = j + 2;
    }
    return v;
}

// A SQLite database in a folder of its own, with the records of an Almacen.
struct Sqlite {
    std::string carpeta = CarpetaNueva();
    std::unique_ptr<BaseSqlite> base;
    void Nueva(const Almacen& a, bool llena) {
        base.reset();
        for (const char* f : {"/vyr.db", "/vyr.db-wal", "/vyr.db-shm"}) std::remove((carpeta + f).c_str());
        base = std::make_unique<BaseSqlite>(carpeta + "/vyr.db");
        const auto n = llena ? a.frecuencias.size() : 0;
        base->Crea(std::vector<double>(a.frecuencias.begin(), a.frecuencias.begin() + std::ptrdiff_t(n)),
                   Registros(int(n)), LineasServicios(a.servicios));
    }
    ~Sqlite() {
        base.reset();
        Borra(carpeta);
    }
};

// The floors' folder: copies of the store's three files.
struct Suelo {
    std::string carpeta = CarpetaNueva();
    int dir = -1, indice = -1, datos = -1;
    explicit Suelo(const Almacen& a) {
        Escribe(carpeta + "/frecuencias.vyr", a.indice);
        Escribe(carpeta + "/datos.vyr", a.datos);
        Escribe(carpeta + "/servicios.vyr", a.servicios);
        dir = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        indice = Abre(dir, "frecuencias.vyr", O_RDWR);
        datos = Abre(dir, "datos.vyr", O_RDWR);
    }
    ~Suelo() {
        for (int fd : {indice, datos, dir}) ::close(fd);
        Borra(carpeta);
    }
};

// A frequency of its own for the nth add, whole hertz above the fixture's.
double Nueva(int n) { return double(40000000 + n * 1000) / 1000000.0; }

std::vector<Fila> Ediciones(int veces) {
    std::vector<Fila> filas;
    Almacen a = CreaAlmacen(5000, false);
    const std::string& dir = a.carpeta;
    Suelo suelo(a);
    Sqlite sql;
    sql.Nueva(a, true);
    const std::string rutaSql = sql.carpeta + "/vyr.db";

    const Medida arranqueSql{{}, Cronometra([&] {
                                 sql.base.reset();
                                 sql.base = std::make_unique<BaseSqlite>(rutaSql);
                                 Exige(sql.base->Servicios().size() == 100, "SQLite services");
                             })};
    filas.push_back(Compara(
        "start-up: index, services, data file opened", {1.5, 1.0}, veces,
        {{}, Cronometra([&] {
             Modulo st(dir, callado);
             Exige(st.Arranca(), "start-up failed");
         })},
        {{}, Cronometra([&] { SueloArranque(suelo.carpeta); })}, &arranqueSql));

    auto m = std::make_unique<Modulo>(dir, callado);
    m->Arranca();
    constexpr int kVueltas = 1000;  // one lookup is below the clock's grain
    const double buscada = m->TablaFrec[5000];
    filas.push_back(Compara(
        "lookup of slot 5,000 (x1000)", {1.5}, veces,
        {{}, Cronometra([&] {
             for (int i = 0; i < kVueltas; ++i) {
                 m->FrecActual = buscada;
                 m->BuscaFrecuencia();
                 Exige(m->PosFrec == 5000, "lookup");
             }
         })},
        {{}, Cronometra([&] {
             for (int i = 0; i < kVueltas; ++i) Exige(SueloBusca(m->TablaFrec.data(), 5001, buscada) == 5000, "scan");
         })}));

    const Medida buscaSql{{}, Cronometra([&] {
                              RegDatos d;
                              for (int i = 0; i < kVueltas; ++i) Exige(sql.base->Busca(buscada, d), "SQLite lookup");
                          })};
    filas.push_back(Compara(
        "lookup of slot 5,000 with its record (x1000)", {1.5, 1.0}, veces,
        {{}, Cronometra([&] {
             for (int i = 0; i < kVueltas; ++i) {
                 m->FrecActual = buscada;
                 m->BuscaFrecuencia();
                 Exige(m->LeeDatos(m->TablaReg[std::size_t(m->PosFrec)]), "record");
             }
         })},
        {{}, Cronometra([&] {
             char r[300];
             for (int i = 0; i < kVueltas; ++i) {
                 const int s = SueloBusca(m->TablaFrec.data(), 5001, buscada);
                 if (::pread(suelo.datos, r, sizeof r, std::int64_t(m->TablaReg[std::size_t(s)] - 1) * 300) != 300)
                     std::abort();
             }
         })},
        &buscaSql));

    // Each add fills the slot that the untimed delete before it freed; the
    // floor writes the same record and entry of its copies.
    int vuelta = 0;
    const auto alta = [&](double f, const RegDatos& d) {
        m->FrecActual = f;
        m->BuscaFrecuencia();
        Exige(m->PosFrec == 0 && m->AltaRegistro(d.Descripcion.Texto(), d.Servicio.Texto(), d.Modo.Texto(),
                                                 d.Fecha.Texto(), d.Observaciones.Texto()),
              "add");
    };
    const auto slotDe = [&](int n) { return 1 + (n * 37) % 5000; };
    // The next run's slot, freed untimed.
    const auto liberaHueco = [&] {
        ++vuelta;
        m->FrecActual = m->TablaFrec[std::size_t(slotDe(vuelta))];
        m->BorraRegistro();
    };
    const auto escribeSuelo = [&](bool entradaPrimero, int slot) {
        char r[300] = {}, e[10] = {};
        const std::int64_t pr = std::int64_t(slot - 1) * 300, pe = std::int64_t(slot - 1) * 10;
        if (entradaPrimero) {
            EscribeEn(suelo.indice, e, 10, pe);
            Sincroniza(suelo.indice);
        }
        EscribeEn(suelo.datos, r, 300, pr);
        Sincroniza(suelo.datos);
        if (!entradaPrimero) {
            EscribeEn(suelo.indice, e, 10, pe);
            Sincroniza(suelo.indice);
        }
    };
    const Medida altaSql{[&] { sql.base->Borra(a.frecuencias[std::size_t(slotDe(vuelta) - 1)]); },
                         Cronometra([&] { sql.base->Alta(Nueva(vuelta), RegistroRealista(vuelta)); })};
    filas.push_back(Compara(
        "durable add of a new record (2 files, 2 syncs)", {1.5, 1.6}, veces,
        {liberaHueco, Cronometra([&] { alta(Nueva(vuelta), RegistroRealista(vuelta)); })},
        {{}, Cronometra([&] { escribeSuelo(false, slotDe(vuelta)); })}, &altaSql));

    // Rewrites one stored record with texts that alternate.
    int cambio = 0;
    const double modificada = m->TablaFrec[2500];
    const Medida modificaSql{{}, Cronometra([&] { sql.base->Modifica(modificada, RegistroRealista(cambio)); })};
    filas.push_back(Compara(
        "durable modify of a record", {1.5, 1.0}, veces,
        {[&] {
             ++cambio;
             m->FrecActual = modificada;
             m->BuscaFrecuencia();
         },
         Cronometra([&] {
             const RegDatos d = RegistroRealista(cambio);
             Exige(m->ModificaRegistro(d.Descripcion.Texto(), d.Servicio.Texto(), d.Modo.Texto(), d.Fecha.Texto(),
                                       d.Observaciones.Texto()),
                   "modify");
         })},
        {{}, Cronometra([&] {
             char r[300] = {};
             EscribeEn(suelo.datos, r, 300, 2499 * 300);
             Sincroniza(suelo.datos);
         })},
        &modificaSql));

    // Each delete removes the record that the untimed add before it made.
    const Medida borraSql{[&] { sql.base->Alta(Nueva(100000 + vuelta), RegistroRealista(vuelta)); },
                          Cronometra([&] { sql.base->Borra(Nueva(100000 + vuelta)); })};
    filas.push_back(Compara(
        "durable delete of a record (2 files, 2 syncs)", {1.5, 1.6}, veces,
        {[&] {
             liberaHueco();  // the index is full
             alta(Nueva(100000 + vuelta), RegistroRealista(vuelta));
         },
         Cronometra([&] {
             m->FrecActual = Nueva(100000 + vuelta);
             Exige(m->BorraRegistro() && m->PosFrec != 0, "delete");
         })},
        {{}, Cronometra([&] { escribeSuelo(true, m->PosFrec); })}, &borraSql));
    m.reset();
    Borra(dir);
    return filas;
}

// Reading the file, then the records and entries the import writes, each
// file's run in one write, each file synced as the store's order needs it.
void SueloImportacion(const Suelo& s, const std::string& csvRuta, bool altas) {
    const int fd = ::open(csvRuta.c_str(), O_RDONLY | O_CLOEXEC);
    const std::string csv = LeeFd(fd);
    ::close(fd);
    static const std::string registros(5000 * 300, ' '), entradas(5000 * 10, '\0');
    EscribeEn(s.datos, registros.data(), registros.size(), 0);
    Sincroniza(s.datos);
    if (!altas) return;
    EscribeEn(s.indice, entradas.data(), entradas.size(), 0);
    Sincroniza(s.indice);
}

std::vector<Fila> Listas(int veces) {
    std::vector<Fila> filas;
    Almacen b = CreaAlmacen(5000, true);
    Suelo suelo(b);
    std::unique_ptr<Modulo> m;
    filas.push_back(Compara(
        "sort of 5,000 shuffled entries, rewrite and reload", {1.5}, veces,
        {[&] {
             m.reset();
             Escribe(b.carpeta + "/frecuencias.vyr", b.indice);
             m = std::make_unique<Modulo>(b.carpeta, callado);
             m->Arranca();
             m->CambioIndice = true;
         },
         Cronometra([&] { Exige(m->OrdenaIndice(), "sort"); })},
        {{}, Cronometra([&] {
             std::vector<std::pair<double, std::int16_t>> p;
             p.reserve(5000);
             for (std::size_t k = 0; k < 5000; ++k) p.push_back({b.frecuencias[k], static_cast<std::int16_t>(k + 1)});
             std::sort(p.begin(), p.end());
             std::string bytes(50000, '\0');
             for (std::size_t k = 0; k < 5000; ++k) {
                 std::memcpy(&bytes[k * 10], &p[k].first, 8);
                 std::memcpy(&bytes[k * 10 + 8], &p[k].second, 2);
             }
             Reemplaza(suelo.dir, "ordenado.vyr", bytes);
         })}));

    // The store is sorted now: the export lists it in frequency order, as
    // SQLite's index does.
    Sqlite sql;
    sql.Nueva(b, true);
    const int sqlDir = ::open(sql.carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    Exige(m->SalvarDatos(), "export");
    const std::string csv = Lee(b.carpeta + "/vyr.csv");
    Exige(SueloExporta(suelo.dir, suelo.datos, m->TablaFrec.data(), m->TablaReg.data(), m->NumFrec) == csv,
          "the floor's export differs from the store's");
    sql.base->Exporta(sqlDir);
    Exige(Lee(sql.carpeta + "/vyr.csv") == csv, "SQLite's export differs from the store's");
    for (std::size_t k = 0; k < 5000; ++k) {
        m->FrecActual = b.frecuencias[k];
        m->BuscaFrecuencia();
        Exige(m->PosFrec != 0, "a frequency of the fixture is not whole hertz");
    }
    const Medida exportaSql{{}, Cronometra([&] { sql.base->Exporta(sqlDir); })};
    filas.push_back(Compara(
        "export of 5,000 records", {1.5, 1.0}, veces, {{}, Cronometra([&] { Exige(m->SalvarDatos(), "export"); })},
        {{}, Cronometra([&] { SueloExporta(suelo.dir, suelo.datos, m->TablaFrec.data(), m->TablaReg.data(), 5000); })},
        &exportaSql));
    // The list back into the sorted store it came from: its records lie in
    // no order, where the import's from an empty store are in slot order.
    Escribe(suelo.carpeta + "/vyr.csv", csv);
    const auto importaSql = [&] { sql.base->Importa(Lee(sql.carpeta + "/vyr.csv")); };
    const Medida ordenadaSql{{}, Cronometra(importaSql)};
    filas.push_back(Compara(
        "import of 5,000 existing lines into the sorted store they came from", {1.5, 1.0}, veces,
        {{}, Cronometra([&] { Exige(m->RecuperarDatos() && m->NumFrec == 5000, "import"); })},
        {{}, Cronometra([&] { SueloImportacion(suelo, suelo.carpeta + "/vyr.csv", false); })}, &ordenadaSql));
    m.reset();

    // Imports read vyr.csv from each one's own folder.
    const std::string vacia = CarpetaNueva();
    Escribe(vacia + "/vyr.csv", csv);
    const Medida nuevasSql{[&] { sql.Nueva(b, false); }, Cronometra(importaSql)};
    filas.push_back(Compara(
        "import of 5,000 new lines into an empty store", {1.5, 1.0}, veces,
        {[&] {
             m.reset();
             Escribe(vacia + "/frecuencias.vyr", "");
             Escribe(vacia + "/datos.vyr", "");
             m = std::make_unique<Modulo>(vacia, callado);
             m->Arranca();
         },
         Cronometra([&] { Exige(m->RecuperarDatos() && m->NumFrec == 5000, "import"); })},
        {[&] {
             Exige(::ftruncate(suelo.indice, 0) == 0 && ::ftruncate(suelo.datos, 0) == 0, "truncate");
         },
         Cronometra([&] { SueloImportacion(suelo, suelo.carpeta + "/vyr.csv", true); })},
        &nuevasSql));
    const Medida existentesSql{{}, Cronometra(importaSql)};
    filas.push_back(Compara(
        "import of 5,000 existing lines", {1.5, 1.0}, veces,
        {{}, Cronometra([&] { Exige(m->RecuperarDatos() && m->NumFrec == 5000, "import"); })},
        {{}, Cronometra([&] { SueloImportacion(suelo, suelo.carpeta + "/vyr.csv", false); })}, &existentesSql));
    Exige(Lee(vacia + "/datos.vyr").size() == 5000u * 300 && Lee(vacia + "/frecuencias.vyr").size() == 50000u,
          "the import of existing lines added some");
    m.reset();
    ::close(sqlDir);
    Borra(vacia);
    Borra(b.carpeta);
    return filas;
}

}  // namespace

std::vector<Fila> MideAlmacen(int veces) {
    auto filas = Ediciones(veces);
    for (auto& f : Listas(veces)) filas.push_back(std::move(f));
    return filas;
}

}  // namespace vyr::bench
