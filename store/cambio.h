#pragma once
// One change to the store's files, able to put itself back: every write keeps
// the bytes it replaces, so that a failed write or sync leaves no record half
// old, half new, and nothing the user was told had failed stays on disk.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/file_system.h"

namespace vyr {

class Cambio {
public:
    // fdPrimero names what the other files hold (the index): when a change
    // is undone, its writes are put back and synced before the others', so a
    // crash while undoing never leaves it naming text that is gone.
    Cambio(FileSystem& fs, int fdPrimero) : fs_(fs), fdPrimero_(fdPrimero) {}

    using Region = std::size_t;
    // Reads and keeps the n bytes at offset that a later write replaces
    // (fewer at the end of the file). 0 or errno: a failed read or size query.
    int Guarda(int fd, std::int64_t offset, std::size_t n, Region& r);
    // What a kept region held.
    std::string_view Viejos(Region r) const { return guardadas_[r].Viejos(); }
    // Writes n bytes over a kept region. 0 or errno.
    int Escribe(Region r, const void* datos);
    // 0 or errno. A failed sync is never retried: undo the change instead.
    int Sincroniza(int fd);
    // Puts back every write, newest first. Writes made before a sync are
    // only put back once the later ones are on disk again, so a crash while
    // undoing still leaves the files in the order the change wrote them.
    // true when all of it, syncs included, succeeded.
    bool Deshaz();

private:
    struct Guardada {
        int fd;
        std::int64_t offset;
        std::size_t n;
        // Not zeroed before the read fills it: an import keeps 1.5 MB.
        std::unique_ptr<char[]> viejos;
        std::size_t leidos;
        std::string_view Viejos() const { return {viejos.get(), leidos}; }
    };
    struct Paso {
        int fd;
        Region region;  // kSync for a sync of fd
    };
    static constexpr Region kSync = static_cast<Region>(-1);
    struct Tamano {
        int fd;
        std::int64_t inicial;
    };

    int Conoce(int fd);  // keeps the size before the change
    bool SinCambios(const Guardada& g);  // the region still holds its old bytes
    bool Recupera(const std::vector<int>& ficheros);  // truncates grown files, syncs

    FileSystem& fs_;
    int fdPrimero_;
    std::vector<Guardada> guardadas_;
    std::vector<Paso> pasos_;
    std::vector<Tamano> tamanos_;
};

}  // namespace vyr
