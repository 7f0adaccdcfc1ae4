#include "store/text_lines.h"

namespace vyr {

int LeeTodo(FileSystem& fs, int fd, Leido& contenido) {
    std::int64_t tam = 0;
    if (const int err = fs.Size(fd, tam); err != 0) return err;
    contenido.bytes = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(tam));
    contenido.n = 0;
    return fs.ReadAt(fd, contenido.bytes.get(), static_cast<std::size_t>(tam), 0, contenido.n);
}

int LeeTodo(FileSystem& fs, int fd, std::string& contenido) {
    Leido l;
    const int err = LeeTodo(fs, fd, l);
    if (err == 0) contenido.assign(l.Vista());
    return err;
}

}  // namespace vyr
