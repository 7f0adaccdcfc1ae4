#include "store/sort.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
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

namespace {
constexpr const char* kNuevo = "frecuencias.vyr.nuevo";
}

bool Modulo::OrdenaIndice() {
    CambioIndice = false;
    const int n = NumFrec;
    if (n >= 2) {
        // Renaming a new file over a read-only index would bypass its protection.
        if (indiceSoloLectura_ || indicefd_ < 0) {
            CambioIndice = true;
            AvisaErrorEscritura("frecuencias.vyr", EACCES);
            return false;
        }
        OrdenaMonticulo(TablaFrec.data(), TablaReg.data(), n);

        // Same bytes as rewriting in place, trailing partial entry included,
        // but the old file stays whole until the rename.
        std::vector<unsigned char> b(std::size_t(n) * kLongIndice);
        for (int k = 1; k <= n; ++k) {
            const auto e = BytesIndice(RegIndice{TablaFrec[k], TablaReg[k]});
            std::copy(e.begin(), e.end(), b.begin() + std::ptrdiff_t(k - 1) * kLongIndice);
        }
        BufIndice = RegIndice{TablaFrec[n], TablaReg[n]};
        int err = 0;
        std::int64_t tam = 0;
        unsigned char cola[kLongIndice];
        std::size_t ncola = 0;
        const auto enteras = std::int64_t(n) * LongRegIndice;
        err = fs_.Size(indicefd_, tam);
        if (err == 0 && tam > enteras)
            err = fs_.ReadAt(indicefd_, cola, std::size_t(std::min<std::int64_t>(tam - enteras, kLongIndice)),
                             enteras, ncola);
        b.insert(b.end(), cola, cola + ncola);

        int fd = -1;
        if (err == 0) err = fs_.OpenAt(dirfd_, kNuevo, O_WRONLY | O_CREAT | O_TRUNC, fd);
        if (err == 0) err = fs_.WriteAt(fd, b.data(), b.size(), 0);
        if (err == 0) err = fs_.Sync(fd);
        if (fd >= 0) {
            const int e = fs_.Close(fd);
            if (err == 0) err = e;
        }
        if (err == 0) err = fs_.RenameAt(dirfd_, kNuevo, "frecuencias.vyr");
        if (err != 0) {
            if (fd >= 0) fs_.UnlinkAt(dirfd_, kNuevo);
            CambioIndice = true;  // still unsorted: the next export or query tries again
            Falla("frecuencias.vyr", err);
            return false;
        }
        if (const int e = fs_.Sync(dirfd_); e != 0) {
            CierraIndice();
            CargaIndice();
            AvisaErrorEscritura("la carpeta de trabajo", e);
            return false;
        }
        indiceSucio_ = false;
    }
    // The descriptor still names the replaced file: reopen.
    CierraIndice();
    return CargaIndice();
}

}  // namespace vyr
