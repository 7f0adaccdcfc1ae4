// Measures every operation beside its physical floor on a full store of
// 5,000 records in a temporary folder, and prints one table.
#include <cstdio>
#include <cstdlib>

#include "bench/measure.h"
#include "bench/store_ops.h"

int main(int argc, char** argv) {
    const int veces = argc > 1 ? std::atoi(argv[1]) : 9;
    std::fprintf(stderr, "vyr_bench: %d runs of each operation\n", veces);
    auto filas = vyr::bench::MideAlmacen(veces);
    vyr::bench::ImprimeTabla(filas);
    return 0;
}
