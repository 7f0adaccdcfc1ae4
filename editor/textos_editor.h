#pragma once
// Every caption and message of the record editor, in one place (UTF-8).
namespace vyr::textos_editor {

inline constexpr const char* kTitulo = "VYR - Crear / Modificar";
inline constexpr const char* kBorrar = "Borrar";
inline constexpr const char* kGuardar = "Guardar";
inline constexpr const char* kSalir = "Salir";

inline constexpr const char* kConfirmaBorrado = "Confirmación de borrado";
inline constexpr const char* kTituloBorrar = "Borrar frecuencia";

}  // namespace vyr::textos_editor
