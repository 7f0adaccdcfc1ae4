#pragma once
// Reading a whole small text file, and walking its lines.
#include <bit>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "store/file_system.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vyr {

// A whole file's bytes in a buffer that is not zeroed before the read fills
// it: an import reads a list and the export the data file, 1.5 MB each.
struct Leido {
    std::unique_ptr<char[]> bytes;
    std::size_t n = 0;
    std::string_view Vista() const { return {bytes.get(), n}; }
};

// 0 or errno.
int LeeTodo(FileSystem& fs, int fd, Leido& contenido);
int LeeTodo(FileSystem& fs, int fd, std::string& contenido);

// The first place from `desde` on that holds one of the bytes C, or t.size().
// Sixteen bytes a step, inline: one pass finds either end of a line where
// memchr needs a call for each, and a field is too short to pay for a call.
template <char... C>
std::size_t BuscaAlguno(std::string_view t, std::size_t desde) {
    const char* const p = t.data();
    const std::size_t n = t.size();
    std::size_t i = desde;
#if defined(__SSE2__)
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int m = _mm_movemask_epi8((_mm_cmpeq_epi8(x, _mm_set1_epi8(C)) | ...));
        if (m != 0) return i + std::size_t(std::countr_zero(unsigned(m)));
    }
#endif
    for (; i < n; ++i)
        if (((p[i] == C) || ...)) return i;
    return n;
}

// Calls f for each line without its end. CR LF, a lone CR and a lone LF all
// end a line (files edited elsewhere); the last line counts even without an
// end. f returns false to stop.
template <class F>
void RecorreLineas(std::string_view t, F&& f) {
    if (t.empty()) return;
    std::size_t i = 0;
    while (i < t.size()) {
        std::size_t j = BuscaAlguno<'\r', '\n'>(t, i);
        if (!f(t.substr(i, j - i))) return;
        if (j < t.size()) {
            if (t[j] == '\r' && j + 1 < t.size() && t[j + 1] == '\n') ++j;
            ++j;
        }
        i = j;
    }
}

}  // namespace vyr
