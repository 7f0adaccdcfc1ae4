#pragma once
// Every caption and message of the main window, in one place (UTF-8).
namespace vyr::textos_principal {

inline constexpr const char* kTitulo = "VYR";
inline constexpr const char* kLabel1 = "VYR";
inline constexpr const char* kLabel2 = "W";
inline constexpr const char* kLabel3 = "Frecuencia:";
inline constexpr const char* kLabel10 = " MHz";
inline constexpr const char* kConsultar = "Consultar";
inline constexpr const char* kSalir = "Salir";
inline constexpr const char* kModificar = "Modificar";

inline constexpr const char* kMnuArchivo = "&Archivo";
inline constexpr const char* kMnuGuardar = "&Guardar datos";
inline constexpr const char* kMnuRecuperar = "&Recuperar datos";
inline constexpr const char* kMnuSalir = "&Salir";
inline constexpr const char* kMnuAcercaDe = "Acerca de";

inline constexpr const char* kFueraDeRango =
    " La frecuencia debe ser numérica y estar entre 0,001 y 900.000.000 KHz";

}  // namespace vyr::textos_principal
