// What Enter in the entry box comes to, decided on a store without a window:
// nothing, a refusal, a record for the card, a record that cannot be read, or
// a new frequency. How a text reads and which values are in range is the
// frequency text's own table; here, that the range is checked at all.
#include <gtest/gtest.h>

#include "main_window/entrada.h"
#include "support/faulty_file_system.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

struct EntradaTest : StoreTest {
    FaultyFileSystem disco;  // the store, let go of in TearDown, runs on it to its end
};

TEST_F(EntradaTest, EachTextComesToItsOutcome) {
    const char* rango = " La frecuencia debe ser numérica y estar entre 0,001 y 900.000.000 KHz";
    const char* noLee = "No se puede leer datos.vyr\nError de entrada/salida en el disco.";
    const struct {
        const char* tecleado;
        bool fallaLectura;
        Destino destino;
        double frecuencia;   // FrecActual afterwards; it was 3.5
        const char* leida;   // the display text handed over; nullptr: nothing was read
        const char* mensaje; // the one message shown, if any
        const char* registro = "";  // the start of BufDatos's description
    } casos[] = {
        {"", false, Destino::Nada, 3.5, nullptr, nullptr},
        {"   ", false, Destino::Rechazada, 0, "", rango},  // spaces are no empty box
        {"0.0009", false, Destino::Rechazada, 0, "", rango},  // read, but below the range
        {"7.1", false, Destino::Ficha, 7.1, "7,100.000", nullptr, "Radio Exterior"},
        {"900000000", false, Destino::Ficha, 900000000, "900.000.000,000.000", nullptr, "Maxima"},
        // Looked up unrounded, so 7 is not found.
        {"7.0000004", false, Destino::Nueva, 7.0000004, "7,000.000", nullptr},
        {"7.1", true, Destino::Ilegible, 7.1, "7,100.000", noLee},
    };
    EscribeAlmacen(dir, {{7.0, "Siete"}, {7.1, "Radio Exterior"}, {900000000, "Maxima"}});
    ASSERT_TRUE(Arranca(disco));
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tecleado);
        msg.vistos.clear();
        m->FrecActual = 3.5;
        m->BufDatos.Descripcion.Asigna("");
        disco.Arma(c.fallaLectura ? Falla::Lectura : Falla::Ninguna, 1);
        std::vector<std::string> leidas;
        std::size_t vistosAlLeer = 0;
        const Destino d = DecideEntrada(c.tecleado, *m, msg, [&](const std::string& pantalla) {
            leidas.push_back(pantalla);
            vistosAlLeer = msg.vistos.size();
        });
        EXPECT_EQ(d, c.destino);
        EXPECT_EQ(m->FrecActual, c.frecuencia);
        EXPECT_EQ(leidas, c.leida ? std::vector<std::string>{c.leida} : std::vector<std::string>{});
        EXPECT_EQ(m->BufDatos.Descripcion.Texto().rfind(c.registro, 0), 0u) << m->BufDatos.Descripcion.Texto();
        ASSERT_EQ(msg.vistos.size(), c.mensaje ? 1u : 0u);
        if (!c.mensaje) continue;
        EXPECT_EQ(msg.vistos[0].texto, c.mensaje);
        // The range message comes before the card is emptied, the store's after.
        EXPECT_EQ(vistosAlLeer, c.destino == Destino::Rechazada ? 1u : 0u);
    }
}

}  // namespace
}  // namespace vyr::test
