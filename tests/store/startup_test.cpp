// Start-up, index loading, services and lookup, against real files.
#include <cmath>
#include <cstring>

#include "support/store_fixture.h"
#include "store/store_messages.h"

namespace vyr::test {
namespace {

std::string Indice(int n, double base = 1.0) {
    std::string s;
    for (int k = 1; k <= n; ++k) s += Entrada(base + k, static_cast<std::int16_t>(k));
    return s;
}

TEST_F(StoreTest, FreshFolderCreatesBothFilesEmpty) {
    ASSERT_TRUE(Arranca());
    EXPECT_TRUE(Existe(Ruta("frecuencias.vyr")));
    EXPECT_TRUE(Existe(Ruta("datos.vyr")));
    EXPECT_EQ(Bytes("frecuencias.vyr"), "");
    EXPECT_EQ(Bytes("datos.vyr"), "");
    EXPECT_EQ(m->NumFrec, 0);
    EXPECT_EQ(m->LongRegIndice, 10);
    EXPECT_FALSE(m->CambioIndice);
    EXPECT_TRUE(msg.vistos.empty());  // a missing services file says nothing
    for (const auto& s : m->Servicios) EXPECT_EQ(s, "");
    m->FrecActual = 7.1;
    m->BuscaFrecuencia();
    EXPECT_EQ(m->PosFrec, 0);
}

TEST_F(StoreTest, TrailingPieceIsIgnoredAndKept) {
    const std::string bytes = Indice(4) + "abc";
    Pon("frecuencias.vyr", bytes);
    ASSERT_TRUE(Arranca());
    EXPECT_EQ(m->NumFrec, 4);
    EXPECT_EQ(m->TablaFrec[4], 5.0);
    EXPECT_EQ(m->TablaFrec[5], 0.0);
    EXPECT_EQ(Bytes("frecuencias.vyr"), bytes);
}

TEST_F(StoreTest, FiveThousandEntriesLoadAndTheNextOneEndsTheProgram) {
    Pon("frecuencias.vyr", Indice(5000));
    ASSERT_TRUE(Arranca());
    EXPECT_EQ(m->NumFrec, 5000);
    EXPECT_EQ(m->TablaFrec[5000], 5001.0);
    EXPECT_EQ(m->TablaReg[5000], 5000);
    EXPECT_TRUE(msg.vistos.empty());
    m.reset();

    BorraCarpeta(dir);
    dir = CarpetaTemporal();
    const std::string bytes = Indice(5001);
    Pon("frecuencias.vyr", bytes);
    EXPECT_FALSE(Arranca());
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "*** Más de 5.000 registros ***");
    EXPECT_EQ(msg.vistos[0].titulo, "Carga de Índice");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
    EXPECT_EQ(msg.vistos[0].botones, ui::Botones::Ok);
    EXPECT_EQ(Bytes("frecuencias.vyr"), bytes);
    EXPECT_FALSE(Existe(Ruta("datos.vyr")));  // nothing written
}

TEST_F(StoreTest, ServicesFileLines) {
    const struct { std::string contenido; std::vector<std::string> esperado; } casos[] = {
        {"", {}},
        {"BC Radiodifusion\r\nUT Utilitaria", {"BC Radiodifusion", "UT Utilitaria"}},
        {"BC Radiodifusion\r\nUT Utilitaria\r\n", {"BC Radiodifusion", "UT Utilitaria"}},
        {"MA Mar\xEDtimo\n\r\nAE Aeron\xE1utico", {"MA Mar\xEDtimo", "", "AE Aeron\xE1utico"}},
        {std::string(100000, 'x') + std::string("\r\n\x81\x00z\r\n", 7),
         {std::string(100000, 'x'), std::string("\x81\x00z", 3)}},
    };
    for (const auto& c : casos) {
        Pon("servicios.vyr", c.contenido);
        ASSERT_TRUE(Arranca());
        for (std::size_t i = 0; i < m->Servicios.size(); ++i)
            EXPECT_EQ(m->Servicios[i], i < c.esperado.size() ? c.esperado[i] : "") << i;
        m.reset();
    }
    std::string muchas;
    for (int i = 1; i <= 150; ++i) muchas += "L" + std::to_string(i) + "\r\n";
    Pon("servicios.vyr", muchas);
    ASSERT_TRUE(Arranca());
    EXPECT_EQ(m->Servicios[0], "L1");
    EXPECT_EQ(m->Servicios[99], "L100");
    EXPECT_EQ(m->Servicios[100], "");
}

TEST_F(StoreTest, LookupIsExactAndTheLowestSlotWins) {
    const double casi = std::nextafter(7.1, 8.0);
    Pon("frecuencias.vyr", Entrada(9.5, 1) + Entrada(7.1, 2) + Entrada(0.0, 3) + Entrada(7.1, 4));
    ASSERT_TRUE(Arranca());
    const struct { double f; int pos; } casos[] = {{7.1, 2}, {9.5, 1}, {casi, 0}, {0.0, 0}, {3.0, 0}};
    for (const auto& c : casos) {
        m->FrecActual = c.f;
        m->BuscaFrecuencia();
        EXPECT_EQ(m->PosFrec, c.pos) << c.f;
    }
}

TEST_F(StoreTest, SecondProgramInTheSameFolderIsRefused) {
    Pon("frecuencias.vyr", Indice(2));
    ASSERT_TRUE(Arranca());
    FakeMessageService otros;
    Modulo segundo(dir, otros);
    EXPECT_FALSE(segundo.Arranca());
    ASSERT_EQ(otros.vistos.size(), 1u);
    EXPECT_EQ(otros.vistos[0].texto, "VYR ya está en uso en esta carpeta");
    EXPECT_EQ(otros.vistos[0].titulo, "VYR");
    EXPECT_EQ(otros.vistos[0].icono, ui::Icono::Critico);
    EXPECT_FALSE(Existe(Ruta("datos.vyr")) && Bytes("datos.vyr") != "");
    // The lock goes with the first program, and survives its sort's rename.
    ASSERT_TRUE(Alta(3.5, "x"));
    ASSERT_TRUE(m->OrdenaIndice());
    FakeMessageService terceros;
    Modulo tercero(dir, terceros);
    EXPECT_FALSE(tercero.Arranca());
    m.reset();
    FakeMessageService cuartos;
    Modulo cuarto(dir, cuartos);
    EXPECT_TRUE(cuarto.Arranca());
    EXPECT_EQ(cuarto.NumFrec, 3);
}

}  // namespace
}  // namespace vyr::test
