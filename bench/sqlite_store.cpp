#include "bench/sqlite_store.h"

#include <cstdio>
#include <cstdlib>

#include "main_window/frequency_text.h"
#include "store/csv.h"
#include "store/text_lines.h"

namespace vyr::bench {
namespace {

[[noreturn]] void Falla(sqlite3* db, const char* que) {
    std::fprintf(stderr, "SQLite: %s: %s\n", que, sqlite3_errmsg(db));
    std::abort();
}

// A field as typed: its text without the trailing spaces of the fixed width.
template <std::size_t N>
int Largo(const FixedText<N>& t) {
    std::size_t n = N;
    while (n > 0 && t.data()[n - 1] == ' ') --n;
    return static_cast<int>(n);
}

template <std::size_t N>
void Columna(sqlite3_stmt* s, int col, FixedText<N>& t) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, col));
    t.Asigna(std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(s, col))));
}

}  // namespace

BaseSqlite::BaseSqlite(const std::string& ruta) {
    if (sqlite3_open_v2(ruta.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        Falla(db_, "open");
    Ejecuta("PRAGMA journal_mode=WAL");
    Ejecuta("PRAGMA synchronous=FULL");
}

BaseSqlite::~BaseSqlite() {
    for (sqlite3_stmt* s : {busca_, alta_, modifica_, borra_, todas_, pon_}) sqlite3_finalize(s);
    sqlite3_close(db_);
}

void BaseSqlite::Ejecuta(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Falla(db_, sql);
}

sqlite3_stmt* BaseSqlite::Prepara(const char* sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) Falla(db_, sql);
    return s;
}

void BaseSqlite::Termina(sqlite3_stmt* s) {
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW) rc = sqlite3_step(s);
    if (rc != SQLITE_DONE) Falla(db_, sqlite3_sql(s));
    sqlite3_reset(s);
}

void BaseSqlite::Liga(sqlite3_stmt* s, double frecuencia, const RegDatos& d) {
    sqlite3_bind_double(s, 1, frecuencia);
    sqlite3_bind_text(s, 2, d.Descripcion.data(), Largo(d.Descripcion), SQLITE_STATIC);
    sqlite3_bind_text(s, 3, d.Servicio.data(), Largo(d.Servicio), SQLITE_STATIC);
    sqlite3_bind_text(s, 4, d.Modo.data(), Largo(d.Modo), SQLITE_STATIC);
    sqlite3_bind_text(s, 5, d.Fecha.data(), Largo(d.Fecha), SQLITE_STATIC);
    sqlite3_bind_text(s, 6, d.Observaciones.data(), Largo(d.Observaciones), SQLITE_STATIC);
}

void BaseSqlite::Crea(const std::vector<double>& frecuencias, const std::vector<RegDatos>& registros,
                      const std::vector<std::string>& servicios) {
    Ejecuta("CREATE TABLE frecuencias(frecuencia REAL NOT NULL, descripcion TEXT, servicio TEXT, modo TEXT, "
            "fecha TEXT, observaciones TEXT)");
    Ejecuta("CREATE UNIQUE INDEX por_frecuencia ON frecuencias(frecuencia)");
    Ejecuta("CREATE TABLE servicios(orden INTEGER PRIMARY KEY, linea TEXT)");
    Ejecuta("BEGIN");
    sqlite3_stmt* s = Prepara("INSERT INTO servicios(linea) VALUES(?)");
    for (const auto& l : servicios) {
        sqlite3_bind_text(s, 1, l.data(), static_cast<int>(l.size()), SQLITE_STATIC);
        Termina(s);
    }
    sqlite3_finalize(s);
    Ejecuta("COMMIT");
    Ejecuta("BEGIN");
    for (std::size_t k = 0; k < frecuencias.size(); ++k) Alta(frecuencias[k], registros[k]);
    Ejecuta("COMMIT");
}

std::vector<std::string> BaseSqlite::Servicios() {
    std::vector<std::string> v;
    sqlite3_stmt* s = Prepara("SELECT linea FROM servicios ORDER BY orden");
    while (sqlite3_step(s) == SQLITE_ROW)
        v.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)),
                       static_cast<std::size_t>(sqlite3_column_bytes(s, 0)));
    sqlite3_finalize(s);
    return v;
}

bool BaseSqlite::Busca(double frecuencia, RegDatos& d) {
    if (!busca_)
        busca_ = Prepara("SELECT descripcion, servicio, modo, fecha, observaciones FROM frecuencias "
                         "WHERE frecuencia = ?");
    sqlite3_bind_double(busca_, 1, frecuencia);
    const bool hay = sqlite3_step(busca_) == SQLITE_ROW;
    if (hay) {
        Columna(busca_, 0, d.Descripcion);
        Columna(busca_, 1, d.Servicio);
        Columna(busca_, 2, d.Modo);
        Columna(busca_, 3, d.Fecha);
        Columna(busca_, 4, d.Observaciones);
    }
    sqlite3_reset(busca_);
    return hay;
}

void BaseSqlite::Alta(double frecuencia, const RegDatos& d) {
    if (!alta_) alta_ = Prepara("INSERT INTO frecuencias VALUES(?, ?, ?, ?, ?, ?)");
    Liga(alta_, frecuencia, d);
    Termina(alta_);
}

void BaseSqlite::Modifica(double frecuencia, const RegDatos& d) {
    if (!modifica_)
        modifica_ = Prepara("UPDATE frecuencias SET descripcion = ?2, servicio = ?3, modo = ?4, fecha = ?5, "
                            "observaciones = ?6 WHERE frecuencia = ?1");
    Liga(modifica_, frecuencia, d);
    Termina(modifica_);
}

void BaseSqlite::Borra(double frecuencia) {
    if (!borra_) borra_ = Prepara("DELETE FROM frecuencias WHERE frecuencia = ?");
    sqlite3_bind_double(borra_, 1, frecuencia);
    Termina(borra_);
}

void BaseSqlite::Exporta(int carpeta) {
    if (!todas_)
        todas_ = Prepara("SELECT frecuencia, descripcion, servicio, modo, fecha, observaciones FROM frecuencias "
                         "ORDER BY frecuencia");
    // The same lines and the same replacement of the file as the store's
    // export, from the same code.
    EscritorCsv csv(SistemaPosix(), carpeta);
    if (csv.Abre()) std::abort();
    RegDatos d;
    while (sqlite3_step(todas_) == SQLITE_ROW) {
        Columna(todas_, 1, d.Descripcion);
        Columna(todas_, 2, d.Servicio);
        Columna(todas_, 3, d.Modo);
        Columna(todas_, 4, d.Fecha);
        Columna(todas_, 5, d.Observaciones);
        csv.Linea(sqlite3_column_double(todas_, 0), d);
    }
    sqlite3_reset(todas_);
    if (csv.Confirma()) std::abort();
}

void BaseSqlite::Importa(std::string_view csv) {
    if (!pon_)
        pon_ = Prepara("INSERT INTO frecuencias VALUES(?, ?, ?, ?, ?, ?) ON CONFLICT(frecuencia) DO UPDATE SET "
                       "descripcion = ?2, servicio = ?3, modo = ?4, fecha = ?5, observaciones = ?6");
    Ejecuta("BEGIN");
    RegDatos d;
    RecorreLineas(csv, [&](std::string_view linea) {
        const double f = LecturaEntrada(CortaLineaCsv(linea, d)) / 1000000.0;
        if (!(f > 0.0009) || !(f < 900000001.0)) return true;
        Liga(pon_, f, d);
        Termina(pon_);
        return true;
    });
    Ejecuta("COMMIT");
}

}  // namespace vyr::bench
