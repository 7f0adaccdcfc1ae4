#pragma once
// Files and folders for tests that check what is on disk, and the store's
// two files written byte by byte by the tests' own hand, never by the store.
#include <cstdint>
#include <string>
#include <vector>

namespace vyr::test {

std::string LeeFichero(const std::string& ruta);  // "" when missing
void EscribeFichero(const std::string& ruta, const std::string& bytes);
std::string CarpetaTemporal();
void BorraCarpeta(const std::string& ruta);
bool Existe(const std::string& ruta);

// 10 index bytes: the frequency's binary64 and the record number, little-endian.
std::string Entrada(double frecuencia, std::int16_t numreg);
// 300 record bytes from five texts, each cut or padded to its width.
std::string Registro(const std::string& d, const std::string& s = "", const std::string& m = "",
                     const std::string& f = "", const std::string& o = "");

// One index slot and its data record; f == 0 makes a deleted slot (blank record).
struct Fila {
    double f;
    std::string d = {}, s = {}, mo = {}, fe = {}, o = {};
};
// The index and data files for these slots, slot k+1 naming record k+1.
void EscribeAlmacen(const std::string& carpeta, const std::vector<Fila>& filas);

}  // namespace vyr::test
