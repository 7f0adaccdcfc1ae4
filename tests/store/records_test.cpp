// Bytes of entries and records, and the Windows-1252 table.
#include <gtest/gtest.h>

#include <cstring>

#include "store/cp1252.h"
#include "store/fixed_text.h"
#include "store/records.h"

namespace vyr {
namespace {

TEST(Records, IndexEntryIsTenLittleEndianBytes) {
    const auto b = BytesIndice(RegIndice{7.1, 258});
    const unsigned char esperado[10] = {0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x1C, 0x40, 0x02, 0x01};
    EXPECT_EQ(0, std::memcmp(b.data(), esperado, 10));
    const RegIndice r = IndiceDeBytes(b.data());
    EXPECT_EQ(r.Frecuencia, 7.1);
    EXPECT_EQ(r.NumReg, 258);
    EXPECT_EQ(IndiceDeBytes(BytesIndice(RegIndice{0.0, -2}).data()).NumReg, -2);
}

TEST(Records, DataRecordFieldsSitAtTheirOffsets) {
    RegDatos d;
    d.Descripcion.Asigna("Radio Exterior de España, una descripción larga");
    d.Servicio.Asigna("BC");
    d.Modo.Asigna("AM");
    d.Fecha.Asigna("051226");
    d.Observaciones.Asigna(std::string(300, 'x'));
    const auto b = BytesDatos(d);
    const std::string s(b.begin(), b.end());
    EXPECT_EQ(s.substr(0, 40), std::string("Radio Exterior de España, una descripción larga").substr(0, 40));
    EXPECT_EQ(s.substr(40, 18), "BC" + std::string(16, ' '));
    EXPECT_EQ(s.substr(58, 6), "AM    ");
    EXPECT_EQ(s.substr(64, 6), "051226");
    EXPECT_EQ(s.substr(70), std::string(230, 'x'));
    EXPECT_EQ(DatosDeBytes(b.data()), d);
    EXPECT_EQ(RegDatos{}.Descripcion.Texto(), std::string(40, ' '));
}

TEST(Cp1252, EveryByteRoundTripsAndForeignCharactersBecomeQuestionMarks) {
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(CodigoACp1252(Cp1252ACodigo(static_cast<unsigned char>(b))), b) << b;
    EXPECT_EQ(Cp1252ACodigo(0x80), U'\u20AC');
    EXPECT_EQ(Cp1252ACodigo(0x9F), U'\u0178');
    const struct { const char* utf8; const char* cp; } casos[] = {
        {"Peñíscola €", "Pe\xF1\xEDscola \x80"},
        {"P\xC5\x82o\xC5\x84sk", "P?o?sk"},  // l-stroke, n-acute
        {"\xF0\x9F\x93\xBB radio", "? radio"},
        {"bad \xC3", "bad ?"},
    };
    for (const auto& c : casos) EXPECT_EQ(Cp1252DeUtf8(c.utf8), c.cp) << c.utf8;
    EXPECT_EQ(Utf8DeCp1252("Pe\xF1\x80"), "Peñ€");
}

}  // namespace
}  // namespace vyr
