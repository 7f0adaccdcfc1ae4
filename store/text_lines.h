#pragma once
// Reading a whole small text file, and walking its lines.
#include <string>
#include <string_view>

#include "store/file_system.h"

namespace vyr {

// 0 or errno.
int LeeTodo(FileSystem& fs, int fd, std::string& contenido);

// Calls f for each line without its end. CR LF, a lone CR and a lone LF all
// end a line (files edited elsewhere); the last line counts even without an
// end. f returns false to stop.
template <class F>
void RecorreLineas(std::string_view t, F&& f) {
    std::size_t i = 0;
    while (i < t.size()) {
        std::size_t j = i;
        while (j < t.size() && t[j] != '\r' && t[j] != '\n') ++j;
        if (!f(t.substr(i, j - i))) return;
        if (j < t.size()) {
            if (t[j] == '\r' && j + 1 < t.size() && t[j + 1] == '\n') ++j;
            ++j;
        }
        i = j;
    }
}

}  // namespace vyr
