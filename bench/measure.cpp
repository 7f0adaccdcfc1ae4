#include "bench/measure.h"

#include <cstdio>

namespace vyr::bench {

Fila Compara(std::string nombre, double objetivo, int veces, const std::function<void()>& prepara,
             const std::function<void()>& operacion, const std::function<void()>& suelo) {
    Fila f{std::move(nombre), {}, {}, objetivo};
    // One warm-up of each, so that the first run does not pay for cold caches alone.
    prepara();
    operacion();
    prepara();
    suelo();
    for (int i = 0; i < veces; ++i) {
        prepara();
        f.ms.push_back(Mide(operacion));
        prepara();
        f.suelo.push_back(Mide(suelo));
    }
    std::fprintf(stderr, "  %s done\n", f.operacion.c_str());
    return f;
}

void ImprimeTabla(const std::vector<Fila>& filas) {
    std::printf("| operation | median ms | max ms | floor median ms | ratio | target |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (const auto& f : filas) {
        const double med = Mediana(f.ms), suelo = Mediana(f.suelo);
        const double max = *std::max_element(f.ms.begin(), f.ms.end());
        const double r = suelo > 0 ? med / suelo : 0;
        std::printf("| %s | %.3f | %.3f | %.3f | %.2f | <= %.1f%s |\n", f.operacion.c_str(), med, max, suelo, r,
                    f.objetivo, r <= f.objetivo ? "" : " MISSED");
    }
}

}  // namespace vyr::bench
