#include "store/sort.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <vector>

#include "store/modulo.h"
#include "store/store_messages.h"

namespace vyr {

void OrdenaMonticulo(double* frec, std::int16_t* reg, int n) {
    if (n < 2) return;
    int l = n / 2 + 1;
    int ir = n;
    for (;;) {
        double rf;
        std::int16_t rr;
        if (l > 1) {
            --l;
            rf = frec[l];
            rr = reg[l];
        } else {
            rf = frec[ir];
            rr = reg[ir];
            frec[ir] = frec[1];
            reg[ir] = reg[1];
            if (--ir == 1) {
                frec[1] = rf;
                reg[1] = rr;
                return;
            }
        }
        int i = l;
        int j = 2 * l;
        while (j <= ir) {
            if (j < ir && frec[j] < frec[j + 1]) ++j;
            if (rf < frec[j]) {
                frec[i] = frec[j];
                reg[i] = reg[j];
                i = j;
                j = 2 * j;
            } else {
                break;
            }
        }
        frec[i] = rf;
        reg[i] = rr;
    }
}

bool Modulo::OrdenaIndice() {
    CambioIndice = false;
    const int n = NumFrec;
    if (n >= 2) {
        auto sinOrdenar = [this] {
            CambioIndice = true;  // the next export or query tries again
            return false;
        };
        if (Bloqueado()) return sinOrdenar();
        // Renaming a new file over a read-only index would bypass its protection.
        if (indiceSoloLectura_ || indicefd_ < 0) {
            Avisa(textos::NoSeEscribe("frecuencias.vyr", EACCES));
            return sinOrdenar();
        }
        // Sorted on a copy: until the new file is in place the tables stay
        // as the old one is.
        auto t = std::make_unique<Tablas>(TablaFrec, TablaReg);
        OrdenaMonticulo(t->first.data(), t->second.data(), n);

        // Same bytes as rewriting in place, trailing partial entry included,
        // but the old file stays whole until the rename.
        std::vector<unsigned char> b(std::size_t(n) * kLongIndice);
        for (int k = 1; k <= n; ++k) {
            const auto e = BytesIndice(RegIndice{t->first[std::size_t(k)], t->second[std::size_t(k)]});
            std::copy(e.begin(), e.end(), b.begin() + std::ptrdiff_t(k - 1) * kLongIndice);
        }
        std::int64_t tam = 0;
        unsigned char cola[kLongIndice];
        std::size_t ncola = 0;
        const auto enteras = std::int64_t(n) * LongRegIndice;
        int err = fs_.Size(indicefd_, tam);
        if (err == 0 && tam > enteras)
            err = fs_.ReadAt(indicefd_, cola, std::size_t(std::min<std::int64_t>(tam - enteras, kLongIndice)),
                             enteras, ncola);
        if (err != 0) {
            AvisaLectura(Fichero::Indice, err);
            return sinOrdenar();
        }
        b.insert(b.end(), cola, cola + ncola);

        const Fallo f = ReemplazaFichero(
            fs_, dirfd_, "frecuencias.vyr",
            std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
        if (f && !f.renombrado) {
            Avisa(f.enCarpeta ? textos::NoSeEscribeCarpeta(carpeta_, f.err)
                              : textos::NoSeEscribe("frecuencias.vyr", f.err));
            return sinOrdenar();
        }
        // The descriptor still names the replaced file: reopen.
        const bool cargado = CargaIndice();
        if (f) {
            // Old or new, the index holds the same entries; the next sort
            // syncs the folder again.
            Avisa(textos::NoSeEscribeCarpeta(carpeta_, f.err));
            return sinOrdenar();
        }
        return cargado || sinOrdenar();
    }
    return CargaIndice();
}

}  // namespace vyr
