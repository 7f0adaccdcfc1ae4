#pragma once
// The real file system, except that the Nth write, sync, rename or creating
// open fails with a chosen errno; a failing write may first write half.
#include "store/file_system.h"

namespace vyr::test {

class FaultyFileSystem : public FileSystem {
public:
    int fallaEn = 0;      // 1-based call that fails; 0: none
    int err = 5;          // EIO
    bool mitad = false;   // the failing write writes half its bytes first
    int llamadas = 0;     // calls counted so far
    bool fallado = false;

    int OpenDir(const std::string& r, int& fd) override { return real().OpenDir(r, fd); }
    int LockDir(int d) override { return real().LockDir(d); }
    int OpenAt(int d, const std::string& n, int flags, int& fd) override;
    int ReadAt(int fd, void* b, std::size_t n, std::int64_t o, std::size_t& l) override {
        return real().ReadAt(fd, b, n, o, l);
    }
    int WriteAt(int fd, const void* b, std::size_t n, std::int64_t o) override;
    int Size(int fd, std::int64_t& t) override { return real().Size(fd, t); }
    int Truncate(int fd, std::int64_t t) override { return real().Truncate(fd, t); }
    int Sync(int fd) override;
    int RenameAt(int d, const std::string& a, const std::string& b) override;
    int UnlinkAt(int d, const std::string& n) override { return real().UnlinkAt(d, n); }
    int Close(int fd) override { return real().Close(fd); }

private:
    static FileSystem& real() { return SistemaPosix(); }
    bool Toca();
};

}  // namespace vyr::test
