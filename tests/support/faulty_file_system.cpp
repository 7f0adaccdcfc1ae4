#include "store/faulty_file_system.h"

#include <fcntl.h>

namespace vyr::test {

bool FaultyFileSystem::Toca() {
    ++llamadas;
    if (fallaEn != 0 && llamadas == fallaEn) {
        fallado = true;
        return true;
    }
    return false;
}

int FaultyFileSystem::OpenAt(int d, const std::string& n, int flags, int& fd) {
    if ((flags & (O_CREAT | O_TRUNC)) && Toca()) {
        fd = -1;
        return err;
    }
    return real().OpenAt(d, n, flags, fd);
}

int FaultyFileSystem::WriteAt(int fd, const void* b, std::size_t n, std::int64_t o) {
    if (Toca()) {
        if (mitad && n > 1) real().WriteAt(fd, b, n / 2, o);
        return err;
    }
    return real().WriteAt(fd, b, n, o);
}

int FaultyFileSystem::Sync(int fd) { return Toca() ? err : real().Sync(fd); }

int FaultyFileSystem::RenameAt(int d, const std::string& a, const std::string& b) {
    return Toca() ? err : real().RenameAt(d, a, b);
}

}  // namespace vyr::test
