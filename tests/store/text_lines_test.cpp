// The lines of a text as the services list and an import see them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/text_lines.h"

namespace vyr {
namespace {

std::vector<std::string> Lineas(std::string_view t, std::size_t hasta = 1000) {
    std::vector<std::string> v;
    RecorreLineas(t, [&](std::string_view l) {
        v.emplace_back(l);
        return v.size() < hasta;
    });
    return v;
}

TEST(TextLines, EveryEndOfLine) {
    using V = std::vector<std::string>;
    const struct { std::string texto; V lineas; } casos[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
        {"\n", {""}},
        {"\r", {""}},
        {"a;b\r\nc;d\r\n", {"a;b", "c;d"}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
        {"uno\ndos\rtres\r\ncuatro", {"uno", "dos", "tres", "cuatro"}},
    };
    for (const auto& c : casos) EXPECT_EQ(Lineas(c.texto), c.lineas) << c.texto;
}

TEST(TextLines, StopsWhenAsked) {
    EXPECT_EQ(Lineas("a\nb\nc", 2), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Lineas("a\r\nb\r\nc", 1), (std::vector<std::string>{"a"}));
}

}  // namespace
}  // namespace vyr
