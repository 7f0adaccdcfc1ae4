#pragma once
// The floors: each store operation's work done the fastest way this machine
// allows, on plain POSIX calls, in a folder of their own that holds copies of
// the store's files at the same sizes.
#include <cstdint>
#include <string>
#include <string_view>

namespace vyr::bench {

// Calls that cannot fail in a benchmark's temporary folder; a failure ends it.
int Abre(int carpeta, const char* nombre, int flags);
void EscribeEn(int fd, const void* bytes, std::size_t n, std::int64_t pos);
void Sincroniza(int fd);
std::string LeeFd(int fd);

// Opens the folder, locks it, removes what an interrupted replace left,
// reads the index into tables and the services into lines, opens the data file.
void SueloArranque(const std::string& carpeta);
// The lowest slot 0..n-1 holding v, or 0, as wide a compare as the processor has.
int SueloBusca(const double* t, int n, double v);
// A file replaced whole: a new one beside it, written at once and synced,
// renamed over it, the folder synced; what durability asks of the store.
void Reemplaza(int carpeta, const std::string& nombre, std::string_view bytes);
// Reads the data file, formats the lines of vyr.csv and replaces the file;
// gives the bytes written.
std::string SueloExporta(int carpeta, int datos, const double* frecuencias, const std::int16_t* registros, int n);

}  // namespace vyr::bench
