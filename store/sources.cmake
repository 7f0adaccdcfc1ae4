list(APPEND VYR_CORE_SOURCES
  store/fixed_text.cpp
  store/records.cpp
  store/posix_file_system.cpp
  store/modulo.cpp
  store/startup.cpp
  store/busca_igual.cpp
  store/memoria.cpp
  store/writes.cpp
  store/sort.cpp
  store/csv.cpp
  store/export_import.cpp
  store/slots_por_valor.cpp
  store/text_lines.cpp
  store/replace_file.cpp
  store/cambio.cpp
  store/store_messages.cpp
)
