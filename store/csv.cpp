#include "store/csv.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>

#include "store/text_lines.h"

namespace vyr {

std::string TextoHercios(double frecuencia) {
    const double v = std::fabs(frecuencia * 1e6);
    if (!std::isfinite(v) || v == 0.0) return "0";
    // Whole hertz below 10^15 already have at most 15 digits: the usual case.
    if (v < 1e15 && v == std::floor(v)) {
        char b[24];
        const auto r = std::to_chars(b, b + sizeof b, static_cast<long long>(v));
        return std::string(b, r.ptr);
    }
    // 15 significant digits, then written out without exponent.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
    const std::string t(buf, r.ptr);
    const auto e = t.find('e');
    std::string digitos = t.substr(0, 1) + t.substr(2, e - 2);
    const int exp = std::atoi(t.c_str() + e + 1);
    std::string entero, frac;
    if (exp < 0) {
        entero = "0";
        frac = std::string(std::size_t(-exp - 1), '0') + digitos;
    } else {
        const auto k = std::size_t(exp) + 1;
        if (digitos.size() < k) digitos.append(k - digitos.size(), '0');
        entero = digitos.substr(0, k);
        frac = digitos.substr(k);
    }
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    return frac.empty() ? entero : entero + "." + frac;
}

namespace {

// A line break would end the line and a ";" would start a new field when the
// file is read back: both would shift or invent fields.
void AnadeCampo(std::string& linea, const char* d, std::size_t n) {
    // Eight spaces at a time: most fields end in a long run of them.
    static constexpr char kOcho[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    while (n >= 8 && std::memcmp(d + n - 8, kOcho, 8) == 0) n -= 8;
    while (n > 0 && d[n - 1] == ' ') --n;
    linea += ';';
    // memchr for each of the three, each searched again only once passed:
    // a byte-by-byte scan costs more than the rest of the export.
    const char* const fin = d + n;
    const auto busca = [fin](const char* desde, char c) {
        const void* q = std::memchr(desde, c, static_cast<std::size_t>(fin - desde));
        return q ? static_cast<const char*>(q) : fin;
    };
    const char* p = d;
    const char* pc = busca(p, ';');
    const char* cr = busca(p, '\r');
    const char* lf = busca(p, '\n');
    for (;;) {
        const char* q = std::min({pc, cr, lf});
        linea.append(p, static_cast<std::size_t>(q - p));
        if (q == fin) return;
        linea += *q == ';' ? ',' : ' ';
        p = q + 1;
        if (*q == '\r' && p < fin && *p == '\n') ++p;  // CR LF is one break
        if (pc < p) pc = busca(p, ';');
        if (cr < p) cr = busca(p, '\r');
        if (lf < p) lf = busca(p, '\n');
    }
}

// The five fields, in the record's order and widths.
constexpr std::size_t kAnchos[5] = {40, 18, 6, 6, 230};
constexpr std::size_t kInicio[5] = {0, 40, 58, 64, 70};

void AnadeLinea(std::string& linea, std::string_view hercios, const char* const (&campos)[5]) {
    linea += hercios;
    for (std::size_t k = 0; k < 5; ++k) AnadeCampo(linea, campos[k], kAnchos[k]);
}

void AnadeLinea(std::string& linea, double frecuencia, const char* const (&campos)[5]) {
    AnadeLinea(linea, TextoHercios(frecuencia), campos);
}

template <class F>
void AnadeLinea(std::string& linea, const F& frecuencia, const RegDatos& d) {
    const char* const campos[5] = {d.Descripcion.data(), d.Servicio.data(), d.Modo.data(),
                                   d.Fecha.data(), d.Observaciones.data()};
    AnadeLinea(linea, frecuencia, campos);
}


std::size_t Siguiente(std::string_view linea, std::size_t p1) {  // 1-based positions
    return BuscaAlguno<';'>(linea, p1 - 1) + 1;
}

}  // namespace

std::string LineaCsv(double frecuencia, const RegDatos& d) {
    std::string linea;
    AnadeLinea(linea, frecuencia, d);
    return linea;
}

std::string LineaCsv(std::string_view hercios, const RegDatos& d) {
    std::string linea;
    AnadeLinea(linea, hercios, d);
    return linea;
}

namespace {

// pon(k, texto) gives field k (0..4) its text.
template <class Pon>
std::string_view Corta(std::string_view linea, Pon&& pon) {
    const std::size_t L = linea.size();
    std::size_t p1 = 1;
    std::size_t p2 = Siguiente(linea, p1);
    const std::string_view frecuencia = linea.substr(0, p2 - 1);
    auto campo = [&]() -> std::string_view {
        if (p2 >= L) return " ";
        p1 = p2 + 1;
        p2 = Siguiente(linea, p1);
        return linea.substr(p1 - 1, p2 - p1);
    };
    pon(0, campo());
    pon(1, campo());
    pon(2, campo());
    const std::string_view fecha = campo();
    if (fecha.size() == 5) {  // a date that lost its leading zero
        char seis[6] = {'0'};
        std::memcpy(seis + 1, fecha.data(), 5);
        pon(3, std::string_view(seis, 6));
    } else {
        pon(3, fecha);
    }
    pon(4, campo());
    return frecuencia;
}

}  // namespace

std::string CortaLineaCsv(std::string_view linea, RegDatos& d) {
    return std::string(Corta(linea, [&](std::size_t k, std::string_view t) {
        switch (k) {
            case 0: d.Descripcion.Asigna(t); break;
            case 1: d.Servicio.Asigna(t); break;
            case 2: d.Modo.Asigna(t); break;
            case 3: d.Fecha.Asigna(t); break;
            default: d.Observaciones.Asigna(t); break;
        }
    }));
}

std::string_view CortaLineaCsv(std::string_view linea, char* registro) {
    return Corta(linea, [registro](std::size_t k, std::string_view t) {
        AsignaAncho(registro + kInicio[k], kAnchos[k], t);
    });
}

EscritorCsv::EscritorCsv(FileSystem& fs, int dirfd) : reemplazo_(fs, dirfd, kFicheroCsv) {}

Fallo EscritorCsv::Abre() {
    buffer_.clear();
    // A full list of full lines without regrowing; untouched pages cost nothing.
    buffer_.reserve(std::size_t{kMaxFrecuencias} * (kLongDatos + 32));
    return reemplazo_.Abre();
}

void EscritorCsv::Linea(double frecuencia, const RegDatos& datos) {
    AnadeLinea(buffer_, frecuencia, datos);
    buffer_ += "\r\n";
}

void EscritorCsv::Linea(double frecuencia, const char* registro) {
    const char* const campos[5] = {registro + kInicio[0], registro + kInicio[1], registro + kInicio[2],
                                   registro + kInicio[3], registro + kInicio[4]};
    AnadeLinea(buffer_, frecuencia, campos);
    buffer_ += "\r\n";
}

Fallo EscritorCsv::Confirma() {
    const Fallo f = reemplazo_.Confirma(buffer_);
    buffer_.clear();
    return f;
}

void EscritorCsv::Descarta() {
    reemplazo_.Descarta();
    buffer_.clear();
}

}  // namespace vyr
