#include "bench/measure.h"

#include <cstdio>

namespace vyr::bench {
namespace {

double Corre(const Medida& m) {
    if (m.prepara) m.prepara();
    return m.mide();
}

std::string Cifra(const char* formato, double v) {
    char b[32];
    std::snprintf(b, sizeof b, formato, v);
    return b;
}

// "<= 1.5", marked when the ratio misses it; empty without a target.
std::string Meta(double valor, double objetivo, const char* formato) {
    if (objetivo <= 0) return "";
    return "<= " + Cifra(formato, objetivo) + (valor <= objetivo ? "" : " MISSED");
}

}  // namespace

Fila Compara(std::string nombre, Objetivo objetivo, int veces, const Medida& vyr, const Medida& suelo,
             const Medida* sqlite) {
    Fila f{std::move(nombre), objetivo, {}, {}, {}};
    // One warm-up of each, so that the first run does not pay for cold caches alone.
    Corre(vyr);
    Corre(suelo);
    if (sqlite) Corre(*sqlite);
    // What runs first in a round follows the last round's SQLite, whose work
    // has emptied the caches (a quarter of a millisecond on an import): the
    // program and its floor take turns at it. SQLite stays last, as its
    // preparations follow the program's.
    for (int i = 0; i < veces; ++i) {
        if (i % 2 == 0) {
            f.ms.push_back(Corre(vyr));
            f.suelo.push_back(Corre(suelo));
        } else {
            f.suelo.push_back(Corre(suelo));
            f.ms.push_back(Corre(vyr));
        }
        if (sqlite) f.sqlite.push_back(Corre(*sqlite));
    }
    std::fprintf(stderr, "  %s done\n", f.operacion.c_str());
    return f;
}

void ImprimeTabla(const std::vector<Fila>& filas) {
    std::printf("| operation | VYR median ms | VYR max ms | floor ms | VYR/floor | target | SQLite ms "
                "| VYR/SQLite | target |\n");
    std::printf("|---|---:|---:|---:|---:|---|---:|---:|---|\n");
    for (const auto& f : filas) {
        const double med = Mediana(f.ms), suelo = Mediana(f.suelo);
        const double max = *std::max_element(f.ms.begin(), f.ms.end());
        const double r = med / suelo;
        std::string meta = Meta(r, f.objetivo.suelo, "%.1f");
        if (f.objetivo.ms > 0) meta = "VYR " + Meta(med, f.objetivo.ms, "%.0f ms");
        std::string sql = "| - | - |";
        if (!f.sqlite.empty()) {
            const double s = Mediana(f.sqlite);
            sql = "| " + Cifra("%.3f", s) + " | " + Cifra("%.2f", med / s) + " | " +
                  Meta(med / s, f.objetivo.sqlite, "%.1f") + " |";
        } else {
            sql += " |";
        }
        std::printf("| %s | %.3f | %.3f | %.3f | %.2f | %s %s\n", f.operacion.c_str(), med, max, suelo, r,
                    meta.c_str(), sql.c_str());
    }
}

}  // namespace vyr::bench
