#include "convert/ficheros.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "store/file_system.h"

namespace vyr::conv {
namespace {

int LeeTodo(int fd, std::string& bytes) {
    char b[65536];
    for (;;) {
        const ssize_t n = ::read(fd, b, sizeof b);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        bytes.append(b, std::size_t(n));
    }
}

int EscribeTodo(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return 0;
}

}  // namespace

int LeeEntrada(const std::string& ruta, std::string& bytes) {
    bytes.clear();
    if (ruta == "-") return LeeTodo(STDIN_FILENO, bytes);
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int err = LeeTodo(fd, bytes);
    ::close(fd);
    return err;
}

bool Existe(const std::string& ruta) {
    std::error_code ec;
    return std::filesystem::symlink_status(ruta, ec).type() != std::filesystem::file_type::not_found;
}

Fallo EscribeSalida(const std::string& ruta, std::string_view bytes) {
    if (ruta == "-") return {EscribeTodo(STDOUT_FILENO, bytes), false};
    const std::filesystem::path p(ruta);
    const std::string nombre = p.filename().string();
    if (nombre.empty() || nombre == "." || nombre == "..") return {EISDIR, false};
    const std::string carpeta = p.has_parent_path() ? p.parent_path().string() : ".";
    FileSystem& fs = SistemaPosix();
    int dirfd = -1;
    if (const int err = fs.OpenDir(carpeta, dirfd); err != 0) return {err, true};
    const Fallo f = ReemplazaFichero(fs, dirfd, nombre, bytes);
    fs.Close(dirfd);
    return f;
}

}  // namespace vyr::conv
