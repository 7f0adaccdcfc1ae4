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
// Why every later write of the run is refused.
inline constexpr const char* kSinRelectura =
    "Los ficheros no se han podido volver a leer: no se guardará ningún cambio hasta que VYR se abra de nuevo.";
inline constexpr const char* kSinVuelta =
    "Los ficheros no se han podido dejar como estaban: no se guardará ningún cambio hasta que VYR se abra de nuevo.";

std::string NoAnadidas(int n);   // "N frecuencias no añadidas: índice lleno"
std::string NoAplicadas(int n);  // "N líneas no aplicadas: registro dañado"
std::string NoSeAbre(const std::string& fichero, int err);    // start-up cannot open a file
std::string NoSeCrea(const std::string& fichero, const std::string& carpeta, int err);
std::string NoSeLee(const std::string& fichero, int err);     // a read or size query failed
std::string NoSeEscribe(const std::string& fichero, int err); // a write or sync failed
std::string NoSeEscribeCarpeta(const std::string& carpeta, int err);  // creating, renaming or syncing in it
std::string RegistroDanado(int numreg);                   // a damaged index names a shared record
std::string Motivo(int err);                              // Spanish reason for an errno value

}  // namespace vyr::textos
