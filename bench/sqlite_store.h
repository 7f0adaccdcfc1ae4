#pragma once
// The same list kept the way a program built on SQLite would keep it: one
// indexed table, the write-ahead log, every commit synced (synchronous=FULL),
// statements prepared once.
#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

#include "store/records.h"

namespace vyr::bench {

class BaseSqlite {
public:
    // Opens (creating) the database at ruta; start-up's work.
    explicit BaseSqlite(const std::string& ruta);
    ~BaseSqlite();
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    // The tables and the services list, once, untimed.
    void Crea(const std::vector<double>& frecuencias, const std::vector<RegDatos>& registros,
              const std::vector<std::string>& servicios);
    // The services list, as the program reads it when it starts.
    std::vector<std::string> Servicios();
    // The record of a frequency into d; false when there is none.
    bool Busca(double frecuencia, RegDatos& d);
    void Alta(double frecuencia, const RegDatos& d);
    void Modifica(double frecuencia, const RegDatos& d);
    void Borra(double frecuencia);
    // vyr.csv in the folder open as carpeta, in frequency order.
    void Exporta(int carpeta);
    // Every line of a CSV text: a new frequency added, an existing one
    // rewritten, all in one transaction.
    void Importa(std::string_view csv);

private:
    sqlite3_stmt* Prepara(const char* sql);
    void Ejecuta(const char* sql);
    void Termina(sqlite3_stmt* s);  // steps to the end, resets
    void Liga(sqlite3_stmt* s, double frecuencia, const RegDatos& d);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* busca_ = nullptr;
    sqlite3_stmt* alta_ = nullptr;
    sqlite3_stmt* modifica_ = nullptr;
    sqlite3_stmt* borra_ = nullptr;
    sqlite3_stmt* todas_ = nullptr;
    sqlite3_stmt* pon_ = nullptr;
};

}  // namespace vyr::bench
