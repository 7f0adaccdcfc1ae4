// Add, modify and delete: the bytes each leaves on disk.
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

constexpr std::size_t kRegistro = 300;  // bytes of a data record

std::string Slots(int n) {  // n live entries 1..n, records 1..n
    std::string s;
    for (int k = 1; k <= n; ++k) s += Entrada(k * 1.5, static_cast<std::int16_t>(k));
    return s;
}
std::string Datos(int n) {
    std::string s;
    for (int k = 1; k <= n; ++k) s += Registro("r" + std::to_string(k));
    return s;
}

TEST_F(StoreTest, FirstAddWritesEntryOneAndRecordOne) {
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(Alta(7.1, "Radio Exterior", "Radiodifusion", "AM", "051226", "obs"));
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1));
    EXPECT_EQ(Bytes("datos.vyr"), Registro("Radio Exterior", "Radiodifusion", "AM", "051226", "obs"));
    EXPECT_EQ(m->NumFrec, 1);
    EXPECT_EQ(m->PosLibre, 1);
    EXPECT_TRUE(m->CambioIndice);
}

TEST_F(StoreTest, AddReusesTheLowestDeletedSlotThenAppends) {
    std::string ind = Slots(10);
    ind.replace(30, 10, Entrada(0.0, 4));  // slot 4 deleted
    ind.replace(60, 10, Entrada(0.0, 7));  // slot 7 deleted
    Pon("frecuencias.vyr", ind);
    Pon("datos.vyr", Datos(10));
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(Alta(100.0, "cien"));
    EXPECT_EQ(m->PosLibre, 4);
    ASSERT_TRUE(Alta(200.0, "doscientos"));
    EXPECT_EQ(m->PosLibre, 7);
    EXPECT_EQ(m->NumFrec, 10);
    ASSERT_TRUE(Alta(300.0, "trescientos"));
    EXPECT_EQ(m->PosLibre, 11);
    EXPECT_EQ(m->NumFrec, 11);
    std::string esperado = Slots(10);
    esperado.replace(30, 10, Entrada(100.0, 4));
    esperado.replace(60, 10, Entrada(200.0, 7));
    esperado += Entrada(300.0, 11);
    EXPECT_EQ(Bytes("frecuencias.vyr"), esperado);
    std::string datos = Datos(10);
    datos.replace(3 * kRegistro, 300, Registro("cien"));
    datos.replace(6 * kRegistro, 300, Registro("doscientos"));
    EXPECT_EQ(Bytes("datos.vyr"), datos + Registro("trescientos"));
}

TEST_F(StoreTest, ReusedSlotWritesItsOwnRecordNumberAfterASort) {
    // The last slot is deleted and owns record 1.
    Pon("frecuencias.vyr", Entrada(2.0, 2) + Entrada(3.0, 3) + Entrada(0.0, 1));
    Pon("datos.vyr", Registro("") + Registro("dos") + Registro("tres"));
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(Alta(9.0, "nueve"));
    EXPECT_EQ(m->PosLibre, 3);
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(2.0, 2) + Entrada(3.0, 3) + Entrada(9.0, 1));
    EXPECT_EQ(Bytes("datos.vyr"), Registro("nueve") + Registro("dos") + Registro("tres"));
}

TEST_F(StoreTest, DeleteBlanksTheRecordAndZeroesTheEntry) {
    Pon("frecuencias.vyr", Slots(3));
    Pon("datos.vyr", Datos(3));
    ASSERT_TRUE(Arranca());
    m->FrecActual = 3.0;  // slot 2
    ASSERT_TRUE(m->BorraRegistro());
    std::string ind = Slots(3);
    ind.replace(10, 10, Entrada(0.0, 2));
    EXPECT_EQ(Bytes("frecuencias.vyr"), ind);
    EXPECT_EQ(Bytes("datos.vyr"), Registro("r1") + std::string(300, ' ') + Registro("r3"));
    EXPECT_EQ(m->NumFrec, 3);
    EXPECT_FALSE(m->CambioIndice);
    m->BuscaFrecuencia();
    EXPECT_EQ(m->PosFrec, 0);
    // Unknown frequency or 0.0: nothing happens, nothing is said.
    for (double f : {55.0, 0.0}) {
        m->FrecActual = f;
        EXPECT_TRUE(m->BorraRegistro());
    }
    EXPECT_EQ(Bytes("frecuencias.vyr"), ind);
    EXPECT_TRUE(msg.vistos.empty());
    ASSERT_TRUE(Alta(3.0, "otra vez"));
    EXPECT_EQ(m->PosLibre, 2);
    EXPECT_EQ(Bytes("frecuencias.vyr"), Slots(3));
}

TEST_F(StoreTest, ModifyRewritesOnlyThatRecord) {
    Pon("frecuencias.vyr", Slots(3));
    Pon("datos.vyr", Datos(3));
    ASSERT_TRUE(Arranca());
    m->FrecActual = 4.5;
    m->BuscaFrecuencia();
    ASSERT_EQ(m->PosFrec, 3);
    ASSERT_TRUE(m->ModificaRegistro(std::string(50, 'D'), "S", "M", "F", "O"));
    EXPECT_EQ(Bytes("frecuencias.vyr"), Slots(3));
    EXPECT_EQ(Bytes("datos.vyr"), Datos(2) + Registro(std::string(40, 'D'), "S", "M", "F", "O"));
    EXPECT_FALSE(m->CambioIndice);
}

TEST_F(StoreTest, FullIndexRefusesTheAddAndWritesNothing) {
    Pon("frecuencias.vyr", Slots(5000));
    ASSERT_TRUE(Arranca());
    const std::string antes = Bytes("frecuencias.vyr");
    EXPECT_FALSE(Alta(1.0, "no cabe"));
    EXPECT_EQ(m->NumFrec, 5000);
    EXPECT_EQ(Bytes("frecuencias.vyr"), antes);
    EXPECT_EQ(Bytes("datos.vyr"), "");
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "*** Índice lleno: 5.000 frecuencias ***");
    EXPECT_EQ(msg.vistos[0].titulo, " Alta de frecuencia");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
    // A deleted slot makes room again: slot 5000 at byte 49,990.
    m->FrecActual = 5000 * 1.5;
    ASSERT_TRUE(m->BorraRegistro());
    ASSERT_TRUE(Alta(1.0, "cabe"));
    EXPECT_EQ(m->PosLibre, 5000);
    EXPECT_EQ(Bytes("frecuencias.vyr").substr(49990), Entrada(1.0, 5000));
    EXPECT_EQ(Bytes("datos.vyr").substr(4999 * kRegistro), Registro("cabe"));
}

}  // namespace
}  // namespace vyr::test
