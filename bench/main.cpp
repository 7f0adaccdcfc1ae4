// Measures every operation beside its physical floor on a full store of
// 5,000 records in a temporary folder, and prints one table.
// Usage: vyr_bench [runs] [path of vyr]
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "bench/measure.h"
#include "bench/qt_ops.h"
#include "bench/store_ops.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int veces = argc > 1 ? std::atoi(argv[1]) : 9;
    const auto aqui = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string vyr = argc > 2 ? argv[2] : (aqui.parent_path() / "vyr").string();
    std::fprintf(stderr, "vyr_bench: %d runs of each operation\n", veces);
    auto filas = vyr::bench::MideAlmacen(veces);
    for (auto& f : vyr::bench::MideVentanas(veces)) filas.push_back(std::move(f));
    if (std::filesystem::exists(vyr)) {
        for (auto& f : vyr::bench::MideArranque(veces, vyr, (aqui / "vyr_bench_bare").string()))
            filas.push_back(std::move(f));
    } else {
        std::fprintf(stderr, "no program at %s: start-up not measured\n", vyr.c_str());
    }
    vyr::bench::ImprimeTabla(filas);
    return 0;
}
