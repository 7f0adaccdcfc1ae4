#include "store/cambio.h"

#include <algorithm>

namespace vyr {

int Cambio::Conoce(int fd) {
    for (const auto& t : tamanos_)
        if (t.fd == fd) return 0;
    std::int64_t tam = 0;
    if (const int err = fs_.Size(fd, tam); err != 0) return err;
    tamanos_.push_back({fd, tam});
    return 0;
}

int Cambio::Guarda(int fd, std::int64_t offset, std::size_t n, Region& r) {
    if (const int err = Conoce(fd); err != 0) return err;
    auto viejos = std::make_unique_for_overwrite<char[]>(n);
    std::size_t leido = 0;
    if (const int err = fs_.ReadAt(fd, viejos.get(), n, offset, leido); err != 0) return err;
    r = guardadas_.size();
    guardadas_.push_back({fd, offset, n, std::move(viejos), leido});
    return 0;
}

int Cambio::Escribe(Region r, const void* datos) {
    const Guardada& g = guardadas_[r];
    const int err = fs_.WriteAt(g.fd, datos, g.n, g.offset);
    // A failed write may still have written part: it is put back unless the
    // region reads exactly as before (a device that took nothing, say).
    if (err == 0 || !SinCambios(g)) pasos_.push_back({g.fd, r});
    return err;
}

bool Cambio::SinCambios(const Guardada& g) {
    std::string ahora(g.n, '\0');
    std::size_t leido = 0;
    const std::string_view viejos = g.Viejos();
    return fs_.ReadAt(g.fd, ahora.data(), g.n, g.offset, leido) == 0 && leido == viejos.size() &&
           ahora.compare(0, leido, viejos) == 0;
}

int Cambio::Sincroniza(int fd) {
    const int err = fs_.Sync(fd);
    if (err == 0) pasos_.push_back({fd, kSync});
    return err;
}

bool Cambio::Recupera(const std::vector<int>& ficheros) {
    bool ok = true;
    for (const int fd : ficheros) {
        for (const auto& t : tamanos_) {
            std::int64_t tam = 0;
            if (t.fd != fd) continue;
            if (fs_.Size(fd, tam) != 0 || (tam > t.inicial && fs_.Truncate(fd, t.inicial) != 0)) ok = false;
        }
        if (fs_.Sync(fd) != 0) ok = false;
    }
    return ok;
}

bool Cambio::Deshaz() {
    bool ok = true;
    // Group by group, newest first: the writes between two syncs reached the
    // disk in no particular order, but after everything before them.
    std::size_t fin = pasos_.size();
    while (fin > 0) {
        std::size_t ini = fin;
        while (ini > 0 && pasos_[ini - 1].region != kSync) --ini;
        for (const bool primero : {true, false}) {
            std::vector<int> tocados;
            for (std::size_t k = fin; k-- > ini;) {
                const Guardada& g = guardadas_[pasos_[k].region];
                if ((g.fd == fdPrimero_) != primero) continue;
                const std::string_view viejos = g.Viejos();
                if (!viejos.empty() && fs_.WriteAt(g.fd, viejos.data(), viejos.size(), g.offset) != 0)
                    ok = false;
                if (std::find(tocados.begin(), tocados.end(), g.fd) == tocados.end()) tocados.push_back(g.fd);
            }
            if (!Recupera(tocados)) ok = false;
        }
        fin = ini;
        while (fin > 0 && pasos_[fin - 1].region == kSync) --fin;
    }
    pasos_.clear();
    return ok;
}

}  // namespace vyr
