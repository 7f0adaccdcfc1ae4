#include "support/faulty_file_system.h"

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "support/ficheros.h"

namespace vyr::test {

const char* NombreFalla(Falla f) {
    static const char* const kNombres[] = {"ninguna", "lectura", "escritura", "escritura corta", "sync",
                                           "muerte", "apagon", "apagon con el indice escrito"};
    return kNombres[static_cast<int>(f)];
}

std::map<std::string, std::uint64_t> FaultyFileSystem::Nombres() const {
    std::map<std::string, std::uint64_t> r;
    std::error_code ec;  // a link that loops is no file
    for (const auto& e : std::filesystem::directory_iterator(dir_))
        if (e.is_regular_file(ec)) {
            struct stat st {};
            if (::stat(e.path().c_str(), &st) == 0) r[e.path().filename().string()] = st.st_ino;
        }
    return r;
}

void FaultyFileSystem::Vigila(const std::string& dir) {
    *this = FaultyFileSystem{};
    dir_ = dir;
    nombresDurables_ = Nombres();
    for (const auto& [nombre, ino] : nombresDurables_) durable_[ino] = LeeFichero(dir + '/' += nombre);
}

bool FaultyFileSystem::Toca(bool cuenta) {
    if (Caido()) return true;
    if (!cuenta || fallado_ || ++llamadas_ != en_) return false;
    return fallado_ = true;
}

int FaultyFileSystem::OpenAt(int d, const std::string& n, int flags, int& fd) {
    const bool crea = (flags & O_CREAT) != 0;
    const bool muta = crea || (flags & O_TRUNC);
    if (Toca(falla_ == Falla::Escritura ? crea : Cae(falla_) && muta) || (Caido() && !muta)) {
        fd = -1;
        return EIO;
    }
    struct stat st {};
    const bool existia = ::fstatat(d, n.c_str(), &st, 0) == 0;
    const int err = real().OpenAt(d, n, flags, fd);
    if (err == 0 && ::fstat(fd, &st) == 0) {
        inodo_[fd] = st.st_ino;
        nombre_[fd] = n;
        // A new file's bytes are on no disk yet, whatever inode it reuses.
        if (!existia) durable_[st.st_ino].clear();
    }
    return err;
}

int FaultyFileSystem::WriteAt(int fd, const void* b, std::size_t n, std::int64_t o) {
    if (Toca(falla_ == Falla::Corta || Escribe())) {
        if (falla_ == Falla::Corta && n > 1) real().WriteAt(fd, b, n / 2, o);
        return en_ % 2 ? ENOSPC : EIO;
    }
    escrituras.push_back({nombre_[fd], o, n});
    return real().WriteAt(fd, b, n, o);
}

int FaultyFileSystem::Sync(int fd) {
    if (Toca(falla_ == Falla::Sync || Cae(falla_))) return EIO;
    ++syncs;
    // The model decides what is durable; the real sync would only cost time.
    if (fd == dirfd_) nombresDurables_ = Nombres();
    // Every byte of the open file, even one opened for writing only.
    else if (const auto i = inodo_.find(fd); i != inodo_.end()) durable_[i->second] = LeeFichero("/proc/self/fd/" + std::to_string(fd));
    return 0;
}

void FaultyFileSystem::Apaga() {
    const auto vivos = Nombres();
    std::map<std::string, std::string> quedan;
    for (const auto& [nombre, ino] : nombresDurables_) {
        const auto v = vivos.find(nombre);
        const bool escrito = falla_ == Falla::ApagonIndice && nombre == "frecuencias.vyr" && v != vivos.end() &&
                             v->second == ino;
        quedan[nombre] = escrito ? LeeFichero(dir_ + "/" + nombre) : durable_[ino];
    }
    for (const auto& [nombre, ino] : vivos) std::filesystem::remove(dir_ + "/" + nombre);
    for (const auto& [nombre, bytes] : quedan) EscribeFichero(dir_ + "/" + nombre, bytes);
}

}  // namespace vyr::test
