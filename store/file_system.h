#pragma once
// Every file access of the store goes through here, so that tests can make
// the Nth call fail and check what the user was told and what stayed on disk.
// Calls return 0 (or a count) on success and a positive errno value on failure.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vyr {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Opens a folder for *At calls; fd receives the descriptor.
    virtual int OpenDir(const std::string& ruta, int& fd) = 0;
    // Exclusive advisory lock without waiting (EWOULDBLOCK when held).
    virtual int LockDir(int dirfd) = 0;
    virtual int OpenAt(int dirfd, const std::string& nombre, int flags, int& fd) = 0;
    // Reads up to n bytes at offset; leido receives the count (short at end).
    virtual int ReadAt(int fd, void* buf, std::size_t n, std::int64_t offset, std::size_t& leido) = 0;
    // Writes all n bytes at offset; a short write is reported as a failure.
    virtual int WriteAt(int fd, const void* buf, std::size_t n, std::int64_t offset) = 0;
    virtual int Size(int fd, std::int64_t& tam) = 0;
    // Cuts or extends the file to tam bytes (puts back a file that an undone change grew).
    virtual int Truncate(int fd, std::int64_t tam) = 0;
    virtual int Sync(int fd) = 0;
    // Tells the disk to start on n bytes just written at offset, and returns
    // at once: the next Sync then waits for less. Only a hint, never a
    // failure of its own: a write that fails shows at that Sync.
    virtual void AdelantaEscritura(int /*fd*/, std::int64_t /*offset*/, std::size_t /*n*/) {}
    virtual int RenameAt(int dirfd, const std::string& de, const std::string& a) = 0;
    virtual int UnlinkAt(int dirfd, const std::string& nombre) = 0;
    virtual int Close(int fd) = 0;
};

// The real one, on POSIX calls.
FileSystem& SistemaPosix();

}  // namespace vyr
