list(APPEND VYR_WINDOWS_SOURCES about/frm_acerca_de.cpp)
