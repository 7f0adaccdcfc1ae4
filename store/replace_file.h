#pragma once
// A file replaced whole, so that a crash at any moment leaves the old or the
// new one, never a mix or an empty file: the new bytes go to a file beside
// it, which is synced, renamed over the old one, and the folder synced.
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vyr {

// What failed: an errno value, and whether it was the folder (creating,
// renaming or syncing in it) rather than the file itself.
struct Fallo {
    int err = 0;
    bool enCarpeta = false;
    bool renombrado = false;  // the new file is in place; only the folder's sync failed
    explicit operator bool() const { return err != 0; }
};

// The name of the file written beside `nombre`; start-up removes leftovers.
std::string NombreNuevo(const std::string& nombre);

class Reemplazo {
public:
    // `nuevo` empty: the new file is NombreNuevo(nombre), which start-up
    // clears. A name of the caller's own is created only where nothing stands,
    // so another program's file or link there is never written through.
    Reemplazo(FileSystem& fs, int dirfd, std::string nombre, std::string nuevo = {});
    ~Reemplazo();  // a replacement not confirmed leaves the old file alone
    Reemplazo(const Reemplazo&) = delete;
    Reemplazo& operator=(const Reemplazo&) = delete;

    // Refuses an existing file that cannot be written (renaming over it would
    // bypass its protection), then creates the new file beside it.
    Fallo Abre();
    // Writes the bytes, syncs, renames over the old file, syncs the folder.
    Fallo Confirma(std::string_view bytes);
    // Drops the new file; the old one stays as it was.
    void Descarta();

private:
    FileSystem& fs_;
    int dirfd_;
    std::string nombre_;
    std::string nuevo_;
    bool propio_;
    int fd_ = -1;
};

// Abre and Confirma in one go.
Fallo ReemplazaFichero(FileSystem& fs, int dirfd, const std::string& nombre, std::string_view bytes,
                       const std::string& nuevo = {});

}  // namespace vyr
