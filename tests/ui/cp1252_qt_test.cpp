// Our Windows-1252 table against the toolkit's own decoder, over all 256
// bytes, and the '?' policy at the windows' edge.
#include <gtest/gtest.h>

#include <QStringDecoder>

#include "ui/cp1252.h"
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

TEST(Cp1252Qt, UpperCaseIsOneWindows1252CharacterForOne) {
    struct Caso {
        const char *texto, *queda, *locale;
    };
    const Caso casos[] = {
        {"ñáéíóúü", "ÑÁÉÍÓÚÜ", "es_ES"},
        {"ÿ", "Ÿ", "es_ES"},      // 0x9F in Windows-1252
        {"µs", "µS", "es_ES"},    // Greek capital mu is not Windows-1252
        {"ßx", "ßX", "de_DE"},    // "SS" would lengthen the text
        {"ǆ", "ǆ", "es_ES"},      // the capital digraph is not Windows-1252
        {"i", "i", "tr_TR"},      // dotted capital I is not Windows-1252
        {"📻a", "📻A", "es_ES"},  // outside the BMP: one character, kept
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(ui::Mayusculas(QString::fromUtf8(c.texto), QLocale(QString::fromLatin1(c.locale))),
                  QString::fromUtf8(c.queda))
            << c.texto;
    }
}

}  // namespace
}  // namespace vyr
