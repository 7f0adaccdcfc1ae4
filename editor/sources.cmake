list(APPEND VYR_WINDOWS_SOURCES
  editor/frm_crea_modi.cpp
  editor/normaliza.cpp
  editor/commands.cpp
)
