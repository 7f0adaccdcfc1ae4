#pragma once
// Every text the store shows, in one place (UTF-8).
#include <string>

namespace vyr::textos {

inline constexpr const char* kMasDe5000 = "*** Más de 5.000 registros ***";
inline constexpr const char* kTituloCarga = "Carga de Índice";
inline constexpr const char* kEnUso = "VYR ya está en uso en esta carpeta";
inline constexpr const char* kTituloVyr = "VYR";
inline constexpr const char* kIndiceLleno = "*** Índice lleno: 5.000 frecuencias ***";
inline constexpr const char* kTituloAlta = " Alta de frecuencia";
inline constexpr const char* kSalvados = "Datos salvados en vyr.csv";
inline constexpr const char* kRecuperados = "Datos recuperados de vyr.csv";
inline constexpr const char* kTituloSalvar = "Salvar datos";
inline constexpr const char* kNoLeerCsv = "No se puede leer vyr.csv";
inline constexpr const char* kTituloRecuperar = "Recuperar datos";
inline constexpr const char* kNoEscribirCsv = "No se puede escribir vyr.csv";

std::string NoAnadidas(int n);                            // "N frecuencias no añadidas: índice lleno"
std::string NoSeAbre(const std::string& fichero, int err);    // start-up cannot open a file
std::string NoSeEscribe(const std::string& fichero, int err); // a write or sync failed
std::string RegistroDanado(int numreg);                   // a damaged index names a shared record
std::string Motivo(int err);                              // Spanish reason for an errno value

}  // namespace vyr::textos
