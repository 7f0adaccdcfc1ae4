// Our Windows-1252 table against the toolkit's own decoder, over all 256
// bytes, and the '?' policy at the windows' edge.
#include <gtest/gtest.h>

#include <QStringDecoder>

#include "store/cp1252.h"
#include "ui/texto.h"

namespace vyr {
namespace {

TEST(Cp1252Qt, TableAgreesWithTheToolkitDecoder) {
    QStringDecoder dec("windows-1252");
    if (!dec.isValid()) GTEST_SKIP() << "this Qt has no windows-1252 decoder";
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const QString q = dec.decode(QByteArrayView(&c, 1));
        ASSERT_EQ(q.size(), 1) << b;
        EXPECT_EQ(static_cast<char32_t>(q.at(0).unicode()), Cp1252ACodigo(static_cast<unsigned char>(b))) << b;
    }
}

TEST(Cp1252Qt, EdgeConversions) {
    EXPECT_EQ(ui::ACp1252(QString::fromUtf8("Łódź € ñ 📻")), "?\xF3" "d? \x80 \xF1 ?");
    EXPECT_EQ(ui::DeCp1252("\x80\xF1\x81"), QString::fromUtf8("€ñ\u0081"));
    std::string todos;
    for (int b = 0; b < 256; ++b) todos.push_back(static_cast<char>(b));
    EXPECT_EQ(ui::ACp1252(ui::DeCp1252(todos)), todos);
}

}  // namespace
}  // namespace vyr
