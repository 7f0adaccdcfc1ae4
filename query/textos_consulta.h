#pragma once
// Every caption, message and report line of the query windows and the
// printed report, in one place (UTF-8).
#include <array>

namespace vyr::textos_consulta {

// frmConsultar
inline constexpr const char* kTituloConsultar = "VYR - Consultar";
inline constexpr const char* kFrame1 = " Visualizar ";
inline constexpr const char* kVerTodo = "Todo el fichero";
inline constexpr const char* kVerEntre = "Entre dos frecuencias";
inline constexpr const char* kVerEntreAyuda = "Esta opción requiere las dos frecuencias inferiores.";
inline constexpr const char* kFrec1 = "Frec. 1";
inline constexpr const char* kFrec1Ayuda = "Esta frecuencia tiene que ser menor que la segunda.";
inline constexpr const char* kFrec2 = "Frec. 2";
inline constexpr const char* kFrec2Ayuda = "Esta frecuencia tiene que ser mayor que la primera.";
inline constexpr const char* kMHz = "MHz";
inline constexpr const char* kFrame2 = " Buscar ";
inline constexpr const char* kDescrip = "Descrip.";
inline constexpr const char* kDescripAyuda = "De 0 a 40 caracteres a buscar";
inline constexpr const char* kServicio = "Servicio";
inline constexpr const char* kServicioAyuda = "De 0 a 18 caracteres a buscar";
inline constexpr const char* kModo = "Modo";
inline constexpr const char* kModoAyuda = "De 0 a 6 caracteres a buscar";
inline constexpr const char* kObserv = "Observ.";
inline constexpr const char* kObservAyuda = "De 0 a 230 caracteres a buscar";
inline constexpr const char* kEscuchadas = "Escuchadas";
inline constexpr const char* kEscuchadasAyuda = "Marcar si se quieren sólo frecuencias confirmadas";
inline constexpr const char* kGuardar = "Guardar";
inline constexpr const char* kGuardarAyuda = "Guardar en fichero además de visualizar";
inline constexpr const char* kImprimir = "Imprimir";
inline constexpr const char* kImprimirAyuda = "Imprimir además de visualizar";
inline constexpr const char* kRealizar = "Realizar";
inline constexpr const char* kSalir = "Salir";

inline constexpr const char* kFrec1Mal =
    " La frecuencia-1 debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
inline constexpr const char* kFrec2Mal =
    " La frecuencia-2 debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
inline constexpr const char* kOrdenMal = "Frecuencia-2 menor que frecuencia-1";
inline constexpr const char* kTituloEntre = "Búsqueda entre frecuencias";

// frmVisualizar
inline constexpr const char* kTituloVisualizar = "VYR - Visualizar";
inline constexpr const char* kCerrar = "Cerrar";
inline constexpr const char* kNombreFG = "Frecuencias visualizadas";  // for a screen reader
inline constexpr std::array<const char*, 6> kCabecerasFG = {
    "Frecuencia (MHz)", "Descripción", "Servicio", "Modo", "Fecha", "Observaciones"};
inline constexpr const char* kVisualizadas = " frecuencias visualizadas";

// Printed report
inline constexpr const char* kFuenteInforme = "Courier New";
inline constexpr double kTamInforme = 9.0;
inline constexpr const char* kTitulosInforme =
    "   Frecuencia      Descripción                              Servicio           Modo   Fecha  "
    "Observaciones";
inline constexpr const char* kRayaInforme =
    "   --------------- ---------------------------------------- ------------------ ------ ------ "
    "--------------";

}  // namespace vyr::textos_consulta
