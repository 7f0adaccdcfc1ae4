#include "convert/csv_comillas.h"

namespace vyr::conv {

std::vector<RegistroCsv> CortaCsv(std::string_view t, char sep) {
    std::vector<RegistroCsv> r;
    std::size_t i = 0;
    int linea = 1;
    while (i < t.size()) {
        RegistroCsv reg;
        reg.linea = linea;
        const std::size_t inicio = i;
        std::string campo;
        bool comillas = false;   // inside a quoted part
        bool finLinea = false;
        while (i < t.size()) {
            const char c = t[i];
            if (comillas) {
                if (c == '"') {
                    if (i + 1 < t.size() && t[i + 1] == '"') {
                        campo += '"';
                        i += 2;
                        continue;
                    }
                    comillas = false;
                } else {
                    if (c == '\n' || (c == '\r' && !(i + 1 < t.size() && t[i + 1] == '\n'))) ++linea;
                    campo += c;
                }
                ++i;
                continue;
            }
            if (c == '"' && campo.empty()) {
                comillas = true;
            } else if (c == sep) {
                reg.campos.push_back(std::move(campo));
                campo.clear();
            } else if (c == '\r' || c == '\n') {
                finLinea = true;
                break;
            } else {
                campo += c;  // a quote inside an unquoted field stays as it is
            }
            ++i;
        }
        reg.sinCierre = comillas;
        reg.bruto = t.substr(inicio, i - inicio);
        reg.campos.push_back(std::move(campo));
        if (finLinea) {
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            ++i;
            ++linea;
        }
        if (!(reg.campos.size() == 1 && reg.campos[0].empty() && reg.bruto.empty())) r.push_back(std::move(reg));
    }
    return r;
}

}  // namespace vyr::conv
