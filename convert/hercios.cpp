#include "convert/hercios.h"

#include <charconv>
#include <cmath>

namespace vyr::conv {
namespace {

bool Digito(char c) { return c >= '0' && c <= '9'; }

// digits (no point) and the count of them before the point.
struct Partes {
    bool negativo = false;
    std::string digitos;
    long long enteras = 0;
};

std::string Forma(const Partes& p) {
    std::string d = p.digitos;
    long long enteras = p.enteras;
    if (enteras < 0) {
        d.insert(0, std::size_t(-enteras), '0');
        enteras = 0;
    }
    if (static_cast<long long>(d.size()) < enteras) d.append(std::size_t(enteras) - d.size(), '0');
    std::string ent = d.substr(0, std::size_t(enteras));
    std::string frac = d.substr(std::size_t(enteras));
    const auto nz = ent.find_first_not_of('0');
    ent = nz == std::string::npos ? "0" : ent.substr(nz);
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    std::string r = p.negativo && (ent != "0" || !frac.empty()) ? "-" : "";
    r += ent;
    if (!frac.empty()) r.append(".").append(frac);
    return r;
}

Partes Descompone(std::string_view t) {  // t already in the form above
    Partes p;
    if (!t.empty() && t[0] == '-') {
        p.negativo = true;
        t.remove_prefix(1);
    }
    const auto punto = t.find('.');
    p.enteras = static_cast<long long>(punto == std::string_view::npos ? t.size() : punto);
    for (char c : t)
        if (c != '.') p.digitos += c;
    return p;
}

// Rounds p half up to `cuantos` digits after the point (may be negative).
std::string RedondeaA(Partes p, long long cuantos) {
    const long long guarda = p.enteras + cuantos;  // digits kept
    if (guarda >= static_cast<long long>(p.digitos.size())) return Forma(p);
    if (guarda < 0) return "0";
    const bool sube = p.digitos[std::size_t(guarda)] >= '5';
    p.digitos.resize(std::size_t(guarda));
    if (sube) {
        long long i = guarda - 1;
        for (; i >= 0; --i) {
            if (p.digitos[std::size_t(i)] != '9') {
                ++p.digitos[std::size_t(i)];
                break;
            }
            p.digitos[std::size_t(i)] = '0';
        }
        if (i < 0) {
            p.digitos.insert(p.digitos.begin(), '1');
            ++p.enteras;
        }
    }
    return Forma(p);
}

}  // namespace

std::optional<std::string> Decimal(std::string_view t, int potencia) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    Partes p;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        p.negativo = t[0] == '-';
        t.remove_prefix(1);
    }
    bool punto = false;
    for (char c : t) {
        if (Digito(c)) {
            p.digitos += c;
            if (!punto) ++p.enteras;
        } else if (c == '.' && !punto) {
            punto = true;
        } else {
            return std::nullopt;
        }
    }
    if (p.digitos.empty()) return std::nullopt;
    p.enteras += potencia;
    return Forma(p);
}

std::optional<std::string> DecimalDeDouble(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    // Fixed notation, shortest round trip: at most 309 digits before the
    // point and 1074 after it.
    char b[1500];
    const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed);
    if (r.ec != std::errc()) return std::nullopt;
    return Decimal(std::string_view(b, std::size_t(r.ptr - b)));
}

int Compara(std::string_view a, std::string_view b) {
    const bool na = !a.empty() && a[0] == '-', nb = !b.empty() && b[0] == '-';
    if (na != nb) return na ? -1 : 1;
    if (na) return Compara(b.substr(1), a.substr(1));
    const auto pa = a.find('.'), pb = b.find('.');
    const auto ea = a.substr(0, pa), eb = b.substr(0, pb);
    if (ea.size() != eb.size()) return ea.size() < eb.size() ? -1 : 1;
    if (const int c = ea.compare(eb); c != 0) return c < 0 ? -1 : 1;
    // Fractions without trailing zeros compare as texts.
    const auto fa = pa == std::string_view::npos ? std::string_view() : a.substr(pa + 1);
    const auto fb = pb == std::string_view::npos ? std::string_view() : b.substr(pb + 1);
    const int c = fa.compare(fb);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool EnRango(std::string_view hz) {
    return Compara(hz, "1000") >= 0 && Compara(hz, "900000000000000") <= 0;
}

std::string Redondea15(std::string_view hz) {
    Partes p = Descompone(hz);
    const auto nz = p.digitos.find_first_not_of('0');
    if (nz == std::string::npos) return Forma(p);
    // Digits after the point that leave 15 significant ones.
    const long long cuantos = 15 - (p.enteras - static_cast<long long>(nz));
    return RedondeaA(std::move(p), cuantos);
}

std::string HercioEntero(std::string_view hz) { return RedondeaA(Descompone(hz), 0); }

std::string ComaDecimal(std::string texto) {
    for (char& c : texto)
        if (c == '.') c = ',';
    return texto;
}

}  // namespace vyr::conv
