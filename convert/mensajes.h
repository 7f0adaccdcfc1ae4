#pragma once
// Every text vyr-convertir shows, in Spanish, UTF-8.
#include <string>
#include <string_view>

namespace vyr::conv::textos {

extern const char* const kUso;
extern const char* const kSinCabeceraChirp;
extern const char* const kSinColumnaFrecuencia;
extern const char* const kComillasSinCerrar;
extern const char* const kNoEsObjeto;
extern const char* const kSinListas;
extern const char* const kNombreVacio;

// Where a row stands.
std::string Linea(int n);
std::string Marcador(const std::string& lista, const std::string& nombre);
std::string Lista(const std::string& lista);

// Why a row is skipped.
std::string Campos(int tiene, int esperados);
std::string NoEsNumero(const std::string& texto);
std::string FueraDeRango(const std::string& hercios);

// Command line and files.
std::string OpcionDesconocida(const std::string& opcion);
std::string FaltaValor(const std::string& opcion);
std::string FormatoDesconocido(const std::string& nombre);
std::string Argumentos(int cuantos);
std::string NoAdmitida(std::string_view de, std::string_view a);
std::string YaExiste(const std::string& salida);
std::string NoEsFichero(const std::string& salida);
std::string NoSeLee(const std::string& ruta, int err);
std::string NoSeEscribe(const std::string& ruta, int err, bool carpeta);
std::string JsonNoValido(const std::string& error, int posicion);
std::string NoReconocido(const std::string& entrada, const std::string& probados);
std::string Ambiguo(const std::string& entrada, const std::string& candidatos);
std::string NoSeLeeFormato(const std::string& entrada, std::string_view formato, const std::string& motivo);
std::string SinLineas(const std::string& entrada);
std::string Escrito(const std::string& salida);

}  // namespace vyr::conv::textos
