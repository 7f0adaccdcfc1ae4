#pragma once
// Timing: each operation, its floor and SQLite's same operation run in turn,
// n times each, and one table of their medians.
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vyr::bench {

// prepara runs untimed before each run; mide does the work and gives its ms.
struct Medida {
    std::function<void()> prepara;
    std::function<double()> mide;
};

// 0: no target of that kind.
struct Objetivo {
    double suelo = 1.5;   // VYR / floor
    double sqlite = 0;    // VYR / SQLite
    double ms = 0;        // VYR's median itself
};

struct Fila {
    std::string operacion;
    Objetivo objetivo;
    std::vector<double> ms, suelo, sqlite;
};

inline double Mide(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// A Medida that times the whole of f.
inline std::function<double()> Cronometra(std::function<void()> f) {
    return [f = std::move(f)] { return Mide(f); };
}

inline double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const auto n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// sqlite may be null: the row has no SQLite column.
Fila Compara(std::string nombre, Objetivo objetivo, int veces, const Medida& vyr, const Medida& suelo,
             const Medida* sqlite = nullptr);

void ImprimeTabla(const std::vector<Fila>& filas);

}  // namespace vyr::bench
