#include "store/text_lines.h"

namespace vyr {

int LeeTodo(FileSystem& fs, int fd, std::string& contenido) {
    std::int64_t tam = 0;
    if (const int err = fs.Size(fd, tam); err != 0) return err;
    contenido.assign(static_cast<std::size_t>(tam), '\0');
    std::size_t leido = 0;
    if (const int err = fs.ReadAt(fd, contenido.data(), contenido.size(), 0, leido); err != 0) return err;
    contenido.resize(leido);
    return 0;
}

}  // namespace vyr
