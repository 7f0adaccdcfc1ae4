#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/file_system.h"

namespace vyr {
namespace {

class Posix final : public FileSystem {
public:
    int OpenDir(const std::string& ruta, int& fd) override {
        fd = ::open(ruta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd < 0 ? errno : 0;
    }
    int LockDir(int dirfd) override {
        return ::flock(dirfd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    }
    int OpenAt(int dirfd, const std::string& nombre, int flags, int& fd) override {
        do { fd = ::openat(dirfd, nombre.c_str(), flags | O_CLOEXEC, 0644); } while (fd < 0 && errno == EINTR);
        return fd < 0 ? errno : 0;
    }
    int ReadAt(int fd, void* buf, std::size_t n, std::int64_t offset, std::size_t& leido) override {
        leido = 0;
        auto* p = static_cast<char*>(buf);
        while (leido < n) {
            const ssize_t r = ::pread(fd, p + leido, n - leido, offset + static_cast<std::int64_t>(leido));
            if (r < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            if (r == 0) break;
            leido += static_cast<std::size_t>(r);
        }
        return 0;
    }
    int WriteAt(int fd, const void* buf, std::size_t n, std::int64_t offset) override {
        const auto* p = static_cast<const char*>(buf);
        std::size_t hecho = 0;
        while (hecho < n) {
            const ssize_t r = ::pwrite(fd, p + hecho, n - hecho, offset + static_cast<std::int64_t>(hecho));
            if (r < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            if (r == 0) return ENOSPC;
            hecho += static_cast<std::size_t>(r);
        }
        return 0;
    }
    int Size(int fd, std::int64_t& tam) override {
        struct stat st {};
        if (::fstat(fd, &st) != 0) return errno;
        tam = st.st_size;
        return 0;
    }
    int Truncate(int fd, std::int64_t tam) override {
        int r;
        do { r = ::ftruncate(fd, tam); } while (r != 0 && errno == EINTR);
        return r == 0 ? 0 : errno;
    }
    // fdatasync: the data and the size reach the disk; an unchanged size
    // spares the inode's journal commit that fsync would add for mtime.
    int Sync(int fd) override { return ::fdatasync(fd) == 0 ? 0 : errno; }
#if defined(SYNC_FILE_RANGE_WRITE)
    void AdelantaEscritura(int fd, std::int64_t offset, std::size_t n) override {
        ::sync_file_range(fd, offset, static_cast<off_t>(n), SYNC_FILE_RANGE_WRITE);
    }
#endif
    int RenameAt(int dirfd, const std::string& de, const std::string& a) override {
        return ::renameat(dirfd, de.c_str(), dirfd, a.c_str()) == 0 ? 0 : errno;
    }
    int UnlinkAt(int dirfd, const std::string& nombre) override {
        return ::unlinkat(dirfd, nombre.c_str(), 0) == 0 ? 0 : errno;
    }
    int Close(int fd) override { return ::close(fd) == 0 ? 0 : errno; }
};

}  // namespace

FileSystem& SistemaPosix() {
    static Posix posix;
    return posix;
}

}  // namespace vyr
