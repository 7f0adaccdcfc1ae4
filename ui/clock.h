#pragma once
#include <string>

namespace vyr::ui {

struct Fecha {
    int dia;   // 1..31
    int mes;   // 1..12
    int anio;  // four digits
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Fecha Hoy() = 0;
};

// "ddmmyy": 5 December 2026 gives "051226".
std::string TextoFecha(const Fecha& f);

}  // namespace vyr::ui
