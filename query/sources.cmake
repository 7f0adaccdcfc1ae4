list(APPEND VYR_WINDOWS_SOURCES
  query/frm_consultar.cpp
  query/consulta.cpp
  query/informe.cpp
  query/frm_visualizar.cpp
  query/modelo_fg.cpp
)
