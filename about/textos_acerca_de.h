#pragma once
// Every caption of the About box, in one place (UTF-8).
namespace vyr::textos_acerca_de {

inline constexpr const char* kTitulo = "VYR - Acerca de...";
inline constexpr const char* kLabel1 = "VYR";
inline constexpr const char* kLabel2 = "W";
inline constexpr const char* kVersion = "v 0,99";
inline constexpr const char* kCerrar = "Cerrar";

}  // namespace vyr::textos_acerca_de
