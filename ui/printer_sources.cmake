list(APPEND VYR_WINDOWS_SOURCES ui/qt_printer.cpp)
