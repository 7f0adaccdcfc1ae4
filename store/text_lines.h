#pragma once
// Reading a whole small text file, and walking its lines.
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vyr {

// A whole file's bytes in a buffer that is not zeroed before the read fills
// it: an import reads a list and the data file, 1.5 MB each.
struct Leido {
    std::unique_ptr<char[]> bytes;
    std::size_t n = 0;
    std::string_view Vista() const { return {bytes.get(), n}; }
};

// 0 or errno.
int LeeTodo(FileSystem& fs, int fd, Leido& contenido);
int LeeTodo(FileSystem& fs, int fd, std::string& contenido);

// Calls f for each line without its end. CR LF, a lone CR and a lone LF all
// end a line (files edited elsewhere); the last line counts even without an
// end. f returns false to stop.
template <class F>
void RecorreLineas(std::string_view t, F&& f) {
    if (t.empty()) return;
    // The next CR and the next LF, each searched again only once passed: a
    // byte-by-byte scan costs more than the rest of an import.
    const auto busca = [t](std::size_t desde, char c) {
        const void* q = std::memchr(t.data() + desde, c, t.size() - desde);
        return q ? std::size_t(static_cast<const char*>(q) - t.data()) : t.size();
    };
    std::size_t cr = busca(0, '\r'), lf = busca(0, '\n');
    std::size_t i = 0;
    while (i < t.size()) {
        if (cr < i) cr = busca(i, '\r');
        if (lf < i) lf = busca(i, '\n');
        std::size_t j = cr < lf ? cr : lf;
        if (!f(t.substr(i, j - i))) return;
        if (j < t.size()) {
            if (t[j] == '\r' && j + 1 < t.size() && t[j + 1] == '\n') ++j;
            ++j;
        }
        i = j;
    }
}

}  // namespace vyr
