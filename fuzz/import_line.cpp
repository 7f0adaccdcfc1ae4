// Any import line: no crash, the line written back from its fields has
// exactly six fields and no line break, and cutting it gives the same texts
// again (the date aside: its five-character repair is meant to change it).
#include <algorithm>
#include <string_view>

#include "main_window/frequency_text.h"
#include "store/csv.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    vyr::RegDatos d1, d2, d3;
    const std::string f = vyr::CortaLineaCsv(std::string_view(reinterpret_cast<const char*>(data), size), d1);
    const double frec = vyr::LecturaEntrada(f) / 1e6;
    const std::string l1 = vyr::LineaCsv(frec, d1);
    if (std::count(l1.begin(), l1.end(), ';') != 5) __builtin_trap();
    if (l1.find_first_of("\r\n") != std::string::npos) __builtin_trap();
    vyr::CortaLineaCsv(l1, d2);
    vyr::CortaLineaCsv(vyr::LineaCsv(frec, d2), d3);
    d2.Fecha = d3.Fecha;
    if (!(d2 == d3)) __builtin_trap();
    return 0;
}
