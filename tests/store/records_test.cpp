// Bytes of entries and records.
#include <gtest/gtest.h>

#include <cstring>

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

}  // namespace
}  // namespace vyr
