list(APPEND VYR_WINDOWS_SOURCES
  ui/texto.cpp
  ui/caja_frecuencia.cpp
  ui/qt_printer.cpp
  ui/qt_message_service.cpp
  ui/qt_clock.cpp
  ui/caja_multilinea.cpp
  ui/ficha.cpp
  ui/cajas.cpp
  ui/pantalla.cpp
)
