#include "main_window/frequency_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace vyr {
namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool EsDigito(char c) { return c >= '0' && c <= '9'; }

int ValorDigito(char c, int base) {
    int v = -1;
    if (EsDigito(c)) v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// &H / &O: 16-bit signed when it fits in 16 bits, else 32-bit signed; more
// than 32 bits cannot be a frequency, so it reads as out of range.
double LecturaBase(const std::string& s, std::size_t i, int base) {
    std::uint64_t v = 0;
    bool desborde = false;
    for (; i < s.size(); ++i) {
        const int d = ValorDigito(s[i], base);
        if (d < 0) break;
        if (v > (std::numeric_limits<std::uint64_t>::max() >> 4)) desborde = true;
        else v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    }
    if (desborde || v > 0xFFFFFFFFull) return std::numeric_limits<double>::infinity();
    if (v <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

}  // namespace

double LecturaEntrada(std::string_view texto) {
    // Plain digits, as every line of an import holds: up to 15 of them are
    // exact in a double, the same value the general reading gives.
    if (!texto.empty() && texto.size() <= 15 &&
        std::all_of(texto.begin(), texto.end(), [](char c) { return EsDigito(c); })) {
        std::int64_t v = 0;
        for (char c : texto) v = v * 10 + (c - '0');
        return static_cast<double>(v);
    }
    std::string s;
    s.reserve(texto.size());
    for (char c : texto)
        if (!EsBlanco(c)) s.push_back(c);

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return LecturaBase(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o') return LecturaBase(s, 2, 8);
    }

    std::size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';

    std::string num;  // digits and at most one '.', for from_chars
    bool hayDigitos = false, hayPunto = false;
    for (; i < s.size(); ++i) {
        if (EsDigito(s[i])) {
            num.push_back(s[i]);
            hayDigitos = true;
        } else if (s[i] == '.' && !hayPunto) {
            num.push_back('.');
            hayPunto = true;
        } else {
            break;
        }
    }
    if (!hayDigitos) return 0.0;

    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        bool expNeg = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) expNeg = s[j++] == '-';
        if (j < s.size() && EsDigito(s[j])) {
            long e = 0;
            for (; j < s.size() && EsDigito(s[j]); ++j)
                if (e < 100000) e = e * 10 + (s[j] - '0');  // beyond this it is 0 or inf anyway
            num += 'e';
            if (expNeg) num += '-';
            num += std::to_string(e);
        }
    }

    double v = 0.0;
    const auto r = std::from_chars(num.data(), num.data() + num.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Decide overflow from underflow by the position of the first non-zero digit.
        std::size_t k = 0;
        long entero = 0;
        bool antesDelPunto = true, hallado = false;
        long decimalesCero = 0;
        for (; k < num.size() && num[k] != 'e'; ++k) {
            if (num[k] == '.') { antesDelPunto = false; continue; }
            if (!hallado && num[k] != '0') hallado = true;
            if (antesDelPunto && hallado) ++entero;
            if (!antesDelPunto && !hallado) ++decimalesCero;
        }
        long e = 0;
        if (k < num.size()) e = std::stol(num.substr(k + 1));
        const long magnitud = entero > 0 ? entero + e : e - decimalesCero;
        v = magnitud > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negativo ? -v : v;
}

bool EnRango(double v) { return v >= 0.001 && v <= 900000000.0; }

std::string TextoPantalla(double v) {
    if (!std::isfinite(v)) return "***";
    const bool negativo = std::signbit(v) && v != 0.0;
    char buf[512];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed);
    std::string corto(buf, r.ptr);
    const auto punto = corto.find('.');
    std::string entero = corto.substr(0, punto);
    std::string frac = punto == std::string::npos ? "" : corto.substr(punto + 1);

    // Half away from zero on the shortest decimal form.
    const bool sube = frac.size() > 6 && frac[6] >= '5';
    frac.resize(6, '0');
    if (sube) {
        std::string todo = entero + frac;
        // The carry runs left over the nines.
        std::size_t k = todo.size();
        while (k > 0 && todo[k - 1] == '9') todo[--k] = '0';
        if (k == 0) todo.insert(todo.begin(), '1');
        else ++todo[k - 1];
        entero = todo.substr(0, todo.size() - 6);
        frac = todo.substr(todo.size() - 6);
    }

    std::string t = negativo ? "-" : "";
    for (std::size_t k = 0; k < entero.size(); ++k) {
        if (k > 0 && (entero.size() - k) % 3 == 0) t += '.';
        t += entero[k];
    }
    t += ',';
    t += frac.substr(0, 3);
    t += '.';
    t += frac.substr(3, 3);
    return t;
}

double LecturaPantalla(std::string_view texto) {
    std::string s;
    s.reserve(texto.size());
    bool coma = false;
    for (char c : texto) {
        if (c == '.') continue;
        if (c == ',' && !coma) {
            s.push_back('.');
            coma = true;
        } else {
            s.push_back(c);
        }
    }
    return LecturaEntrada(s);
}

}  // namespace vyr
