#include "store/replace_file.h"

#include <cerrno>
#include <fcntl.h>

namespace vyr {

std::string NombreNuevo(const std::string& nombre) { return nombre + ".nuevo"; }

Reemplazo::Reemplazo(FileSystem& fs, int dirfd, std::string nombre, std::string nuevo)
    : fs_(fs),
      dirfd_(dirfd),
      nombre_(std::move(nombre)),
      nuevo_(nuevo.empty() ? NombreNuevo(nombre_) : std::move(nuevo)),
      propio_(nuevo_ != NombreNuevo(nombre_)) {}

Reemplazo::~Reemplazo() { Descarta(); }

Fallo Reemplazo::Abre() {
    Descarta();
    // O_NONBLOCK: a FIFO in its place must not hang the program.
    int fd = -1;
    if (const int err = fs_.OpenAt(dirfd_, nombre_, O_WRONLY | O_NONBLOCK, fd); err == 0) {
        fs_.Close(fd);
    } else if (err != ENOENT) {
        return {err, false};
    }
    const int crea = O_WRONLY | O_CREAT | (propio_ ? O_EXCL : O_TRUNC);
    if (const int err = fs_.OpenAt(dirfd_, nuevo_, crea, fd); err != 0)
        return {err, true};
    fd_ = fd;
    return {};
}

Fallo Reemplazo::Confirma(std::string_view bytes) {
    if (fd_ < 0) return {EBADF, false};
    int err = bytes.empty() ? 0 : fs_.WriteAt(fd_, bytes.data(), bytes.size(), 0);
    if (err == 0) err = fs_.Sync(fd_);
    const int cierre = fs_.Close(fd_);
    fd_ = -1;
    if (err == 0) err = cierre;
    if (err != 0) {
        fs_.UnlinkAt(dirfd_, nuevo_);
        return {err, false};
    }
    if (const int e = fs_.RenameAt(dirfd_, nuevo_, nombre_); e != 0) {
        fs_.UnlinkAt(dirfd_, nuevo_);
        // A folder or a busy file in the way names the file; the rest, the folder.
        return {e, e != EISDIR && e != ENOTEMPTY && e != EEXIST && e != EBUSY};
    }
    // The rename is only safe once the folder says so.
    if (const int e = fs_.Sync(dirfd_); e != 0) return {e, true, true};
    return {};
}

void Reemplazo::Descarta() {
    if (fd_ < 0) return;
    fs_.Close(fd_);
    fd_ = -1;
    fs_.UnlinkAt(dirfd_, nuevo_);
}

Fallo ReemplazaFichero(FileSystem& fs, int dirfd, const std::string& nombre, std::string_view bytes,
                       const std::string& nuevo) {
    Reemplazo r(fs, dirfd, nombre, nuevo);
    if (Fallo f = r.Abre()) return f;
    return r.Confirma(bytes);
}

}  // namespace vyr
