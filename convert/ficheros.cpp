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

std::string NombreTemporal(const std::string& nombre, int pid, int intento) {
    std::string r = ".";
    r.append(nombre).append(".vyr-convertir-").append(std::to_string(pid));
    if (intento > 0) r.append("-").append(std::to_string(intento));
    return r;
}

EstadoSalida Salida(const std::string& ruta) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::symlink_status(ruta, ec).type() == fs::file_type::not_found) return EstadoSalida::Nueva;
    const auto t = fs::status(ruta, ec).type();
    if (t == fs::file_type::regular) return EstadoSalida::Fichero;
    if (t == fs::file_type::not_found) return EstadoSalida::Nueva;  // a link to nothing yet
    return EstadoSalida::Otra;
}

Fallo EscribeSalida(const std::string& ruta, std::string_view bytes) {
    if (ruta == "-") return {EscribeTodo(STDOUT_FILENO, bytes), false};
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(ruta, ec);
    if (ec) return {ec.value(), true};
    if (Salida(p.string()) == EstadoSalida::Otra) return {EINVAL, false};  // never renamed over
    const std::string nombre = p.filename().string();
    if (nombre.empty() || nombre == "." || nombre == "..") return {EISDIR, false};
    const std::string carpeta = p.has_parent_path() ? p.parent_path().string() : ".";
    FileSystem& fs = SistemaPosix();
    int dirfd = -1;
    if (const int err = fs.OpenDir(carpeta, dirfd); err != 0) return {err, true};
    Fallo f;
    // A name already taken (a leftover of a killed run with our number): the next one.
    for (int intento = 0; intento < 100; ++intento) {
        Reemplazo r(fs, dirfd, nombre, NombreTemporal(nombre, int(::getpid()), intento));
        f = r.Abre();
        if (f.err == EEXIST && f.enCarpeta) continue;
        if (!f) f = r.Confirma(bytes);
        break;
    }
    fs.Close(dirfd);
    return f;
}

}  // namespace vyr::conv
