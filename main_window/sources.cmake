list(APPEND VYR_WINDOWS_SOURCES
  main_window/frm_vyrw.cpp
  main_window/entrada.cpp
  main_window/lookup.cpp
  main_window/card_actions.cpp
)
