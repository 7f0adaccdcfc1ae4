// Measures every operation beside its floor, and SQLite's same operation
// where a program built on it has one, on a full store of 5,000 records in
// temporary folders, and prints one table.
// Usage: vyr_bench [runs] [path of vyr]
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/measure.h"
#include "bench/qt_ops.h"
#include "bench/store_ops.h"
#include "store/memoria.h"

int main(int argc, char** argv) {
    vyr::ConservaMemoriaLiberada();  // as the program does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::atoi(argv[1]) : 9;
    const auto aqui = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string vyr = argc > 2 ? argv[2] : (aqui.parent_path() / "vyr").string();
    std::fprintf(stderr, "vyr_bench: %d runs of each operation\n", veces);
    auto filas = vyr::bench::MideAlmacen(veces);
    for (auto& f : vyr::bench::MideVentanas(veces)) filas.push_back(std::move(f));
    vyr::bench::ImprimeTabla(filas);
    return 0;
}
