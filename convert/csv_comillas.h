#pragma once
// Comma-separated values with the usual quoting, as Python's csv module
// writes them: a field in double quotes may hold commas, line breaks and
// doubled quotes. CHIRP's files need it; our own format has no quoting.
#include <string>
#include <string_view>
#include <vector>

namespace vyr::conv {

struct RegistroCsv {
    int linea = 0;           // where the record starts, from 1
    std::string_view bruto;  // its bytes, line end excluded
    std::vector<std::string> campos;
    bool sinCierre = false;  // a quote still open at the end of the file
};

// Empty lines give no record.
std::vector<RegistroCsv> CortaCsv(std::string_view bytes, char separador = ',');

}  // namespace vyr::conv
