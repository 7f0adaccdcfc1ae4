#pragma once
// The real file system with one fault at call N of the calls its kind
// counts: a failing read or size query, a failing or short write, a failing
// sync, or a crash. After a crash no call reaches the disk any more; a power
// cut then also loses every write that no sync made durable, whole writes
// per file, and every name change the folder's sync did not (as LevelDB's
// fault-injection environment does).
#include <cerrno>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "store/file_system.h"

namespace vyr::test {

enum class Falla {
    Ninguna,
    Lectura,    // ReadAt or Size: EIO
    Escritura,  // WriteAt, Truncate, RenameAt or a creating OpenAt: ENOSPC or EIO
    Corta,      // WriteAt writes half, then fails
    Sync,       // Sync: EIO
    Muerte,     // the process is killed: the disk keeps what it was given
    Apagon,     // the power goes: the disk keeps what was synced
    // The power goes after the system wrote the index's pages back on its
    // own, before any sync asked: the disk keeps the index as the program
    // left it, and of the other files what was synced.
    ApagonIndice,
};
const char* NombreFalla(Falla f);
inline void PrintTo(Falla f, std::ostream* os) { *os << NombreFalla(f); }

class FaultyFileSystem : public FileSystem {
public:
    // Starts watching the folder, whose files as they are now count as durable.
    void Vigila(const std::string& dir);
    // Arms the fault at the nth call of its kind from now (n from 1).
    void Arma(Falla falla, int n) { falla_ = falla; en_ = n; llamadas_ = 0; fallado_ = false; }
    bool Fallado() const { return fallado_; }
    int syncs = 0;  // syncs that reached the disk
    // Every write that reached the disk, as file name, offset and length.
    using Escritura = std::tuple<std::string, std::int64_t, std::size_t>;
    std::vector<Escritura> escrituras;
    // After a power cut: the folder as the disk held it. The store must be
    // gone (its descriptors closed) first.
    void Apaga();
    // A crash rather than a failed call.
    static bool Cae(Falla f) { return f == Falla::Muerte || f == Falla::Apagon || f == Falla::ApagonIndice; }
    bool EsApagon() const { return falla_ == Falla::Apagon || falla_ == Falla::ApagonIndice; }

    int OpenDir(const std::string& r, int& fd) override { const int err = real().OpenDir(r, fd); if (err == 0) dirfd_ = fd; return err; }
    int LockDir(int d) override { return real().LockDir(d); }
    int OpenAt(int d, const std::string& n, int flags, int& fd) override;
    int ReadAt(int fd, void* b, std::size_t n, std::int64_t o, std::size_t& l) override { return Toca(falla_ == Falla::Lectura) ? EIO : real().ReadAt(fd, b, n, o, l); }
    int Size(int fd, std::int64_t& t) override { return Toca(falla_ == Falla::Lectura) ? EIO : real().Size(fd, t); }
    int WriteAt(int fd, const void* b, std::size_t n, std::int64_t o) override;
    int Truncate(int fd, std::int64_t t) override { return Toca(Escribe()) ? EIO : real().Truncate(fd, t); }
    int Sync(int fd) override;
    // Never fails; in the power cut, still nothing reaches the disk before a sync.
    void AdelantaEscritura(int fd, std::int64_t o, std::size_t n) override { real().AdelantaEscritura(fd, o, n); }
    int RenameAt(int d, const std::string& a, const std::string& b) override { return Toca(Escribe()) ? EIO : real().RenameAt(d, a, b); }
    int UnlinkAt(int d, const std::string& n) override { return Toca(Cae(falla_)) ? EIO : real().UnlinkAt(d, n); }
    // A dead process still lets go of its descriptors.
    int Close(int fd) override { inodo_.erase(fd); if (fd == dirfd_) dirfd_ = -1; real().Close(fd); return 0; }

private:
    static FileSystem& real() { return SistemaPosix(); }
    bool Toca(bool cuenta);  // true: this call fails
    bool Escribe() const { return falla_ == Falla::Escritura || Cae(falla_); }  // counts a name change or truncation
    bool Caido() const { return fallado_ && Cae(falla_); }
    std::map<std::string, std::uint64_t> Nombres() const;

    Falla falla_ = Falla::Ninguna;
    int en_ = 0, llamadas_ = 0, dirfd_ = -1;
    bool fallado_ = false;
    std::string dir_;
    // The crash model: what the disk holds for each file and name.
    std::map<int, std::uint64_t> inodo_;                   // open descriptor -> inode
    std::map<int, std::string> nombre_;                    // open descriptor -> file name
    std::map<std::uint64_t, std::string> durable_;         // inode -> synced bytes
    std::map<std::string, std::uint64_t> nombresDurables_; // name -> inode, as the folder's last sync left it
};

}  // namespace vyr::test
