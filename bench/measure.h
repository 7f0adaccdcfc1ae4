#pragma once
// Timing helpers: each operation and its floor run in turn, n times each.
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vyr::bench {

struct Fila {
    std::string operacion;
    std::vector<double> ms, suelo;
    double objetivo;
};

inline double Mide(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

inline double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const auto n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// prepara runs untimed before each run of the operation and of its floor.
Fila Compara(std::string nombre, double objetivo, int veces, const std::function<void()>& prepara,
             const std::function<void()>& operacion, const std::function<void()>& suelo);

void ImprimeTabla(const std::vector<Fila>& filas);

}  // namespace vyr::bench
