// Measures every operation beside its floor, and SQLite's same operation
// where a program built on it has one, on a full store of 5,000 records in
// temporary folders, and prints one table. The rows on the screen need an X
// display (scripts/bench starts Xvfb).
// Usage: vyr_bench [runs] [path of vyr]
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/measure.h"
#include "bench/qt_ops.h"
#include "bench/store_ops.h"
#include "bench/x_ops.h"
#include "store/memoria.h"

int main(int argc, char** argv) {
    vyr::ConservaMemoriaLiberada();  // as the program does
    const bool pantalla = !qEnvironmentVariableIsEmpty("DISPLAY");
    // The in-process windows are measured offscreen; the programs on the display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::atoi(argv[1]) : 9;
    const auto aqui = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string vyr = argc > 2 ? argv[2] : (aqui.parent_path() / "vyr").string();
    std::fprintf(stderr, "vyr_bench: %d runs of each operation\n", veces);
    auto filas = vyr::bench::MideAlmacen(veces);
    for (auto& f : vyr::bench::MideVentanas(veces)) filas.push_back(std::move(f));
    if (pantalla && std::filesystem::exists(vyr)) {
        for (auto& f : vyr::bench::MideEnPantalla(veces, vyr, (aqui / "vyr_bench_bare").string()))
            filas.push_back(std::move(f));
    } else {
        std::fprintf(stderr, "no X display or no program at %s: start and Enter not measured\n", vyr.c_str());
    }
    vyr::bench::ImprimeTabla(filas);
    return 0;
}
