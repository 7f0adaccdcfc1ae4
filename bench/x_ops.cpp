#include "bench/x_ops.h"

#include <cstdio>

#include "bench/store_fixture.h"
#include "bench/x_display.h"

namespace vyr::bench {
namespace {

// What a user types for a frequency of the fixture: MHz with every digit.
std::string Tecleo(double mhz) {
    char b[32];
    const long long hz = static_cast<long long>(mhz * 1e6 + 0.5);
    std::snprintf(b, sizeof b, "%lld.%06lld", hz / 1000000, hz % 1000000);
    return b;
}

}  // namespace

std::vector<Fila> MideEnPantalla(int veces, const std::string& vyr, const std::string& desnudo) {
    std::vector<Fila> filas;
    Almacen a = CreaAlmacen(5000, false);
    PantallaX x;
    const auto arranque = [&](const std::string& programa) {
        return Medida{{}, [&x, &a, programa] {
                          const double ms = x.Arranca(programa, a.carpeta);
                          x.Termina();
                          return ms;
                      }};
    };
    filas.push_back(Compara("process start to the main window's first paint, full store (Xvfb)", {1.3}, veces,
                            arranque(vyr), arranque(desnudo)));

    // Each run starts the program and looks up one frequency untimed; then
    // Enter on the last slot's, the lookup's longest scan.
    const std::string calentar = Tecleo(a.frecuencias[99]), ultima = Tecleo(a.frecuencias[4999]);
    const auto enter = [&](const std::string& programa) {
        return Medida{[&x, &a, &calentar, programa] {
                          x.Arranca(programa, a.carpeta);
                          x.Enter(calentar);
                      },
                      [&x, &ultima] {
                          const double ms = x.Enter(ultima);
                          x.Termina();
                          return ms;
                      }};
    };
    Objetivo o;
    o.ms = 5;
    filas.push_back(Compara("Enter on a stored frequency to the card painted (Xvfb)", o, veces, enter(vyr),
                            enter(desnudo)));
    Borra(a.carpeta);
    return filas;
}

}  // namespace vyr::bench
