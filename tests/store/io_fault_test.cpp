// Every write, sync, rename and creating open of each operation is made to
// fail in turn, with and without a half-done write: the user is told, the
// tables are what the files hold, and every earlier change is still there.
#include <functional>

#include "store/faulty_file_system.h"
#include "store/store_fixture.h"

namespace vyr::test {
namespace {

struct Operacion {
    const char* nombre;
    std::function<bool(Modulo&)> hacer;
};

bool Alta(Modulo& m, double f, const char* d) {
    m.FrecActual = f;
    m.BuscaFrecuencia();
    return m.AltaRegistro(d, "S", "M", "051226", "O") && m.Sincroniza();
}

const Operacion kOperaciones[] = {
    {"alta en hueco", [](Modulo& m) { return Alta(m, 50.0, "nueva"); }},
    {"dos altas", [](Modulo& m) { return Alta(m, 50.0, "nueva") && Alta(m, 60.0, "otra"); }},
    {"modifica", [](Modulo& m) {
         m.FrecActual = 30.0;
         m.BuscaFrecuencia();
         return m.ModificaRegistro("cambiada", "", "", "", "") && m.Sincroniza();
     }},
    {"borra", [](Modulo& m) {
         m.FrecActual = 10.0;
         return m.BorraRegistro() && m.Sincroniza();
     }},
    {"ordena", [](Modulo& m) {
         m.CambioIndice = true;
         return m.OrdenaIndice();
     }},
    {"importa", [](Modulo& m) { return m.RecuperarDatos(); }},
    {"exporta", [](Modulo& m) { return m.SalvarDatos(); }},
};

class IoFaultTest : public StoreTest {
protected:
    FaultyFileSystem fs;  // outlives every store of the test (TearDown drops it first)
    void Base() {
        Pon("frecuencias.vyr", Entrada(30.0, 1) + Entrada(0.0, 2) + Entrada(10.0, 3) + Entrada(20.0, 4));
        Pon("datos.vyr", Registro("treinta") + Registro("") + Registro("diez") + Registro("veinte"));
        Pon("vyr.csv", "20000000;veinte nueva\r\n70000000;setenta\r\n80000000;ochenta\r\n");
    }
    // What a fresh start would see: the tables must equal it.
    void TablasComoEnDisco(const char* op, int n) {
        FakeMessageService otro;
        const auto ind = Bytes("frecuencias.vyr");
        ASSERT_EQ(m->NumFrec, static_cast<int>(ind.size() / 10)) << op << " N=" << n;
        for (int k = 1; k <= m->NumFrec; ++k) {
            const RegIndice e = IndiceDeBytes(reinterpret_cast<const unsigned char*>(ind.data()) + (k - 1) * 10);
            EXPECT_EQ(m->TablaFrec[k], e.Frecuencia) << op << " N=" << n << " slot " << k;
            EXPECT_EQ(m->TablaReg[k], e.NumReg) << op << " N=" << n << " slot " << k;
        }
    }
    // Every frequency of the base that the operation does not touch keeps its text.
    void BaseIntacta(const char* op, int n) {
        const struct { double f; const char* d; } base[] = {{30.0, "treinta"}, {10.0, "diez"}, {20.0, "veinte"}};
        for (const auto& b : base) {
            if (std::string(op) == "modifica" && b.f == 30.0) continue;
            if (std::string(op) == "borra" && b.f == 10.0) continue;
            if (std::string(op) == "importa" && b.f == 20.0) continue;
            m->FrecActual = b.f;
            m->BuscaFrecuencia();
            ASSERT_NE(m->PosFrec, 0) << op << " N=" << n << " lost " << b.f;
            m->LeeDatos(m->TablaReg[m->PosFrec]);
            EXPECT_EQ(m->BufDatos.Descripcion.SinEspaciosFinales(), b.d) << op << " N=" << n;
        }
    }
};

TEST_F(IoFaultTest, EveryFailingCallIsToldAndLosesNothing) {
    for (bool mitad : {false, true}) {
        for (const auto& op : kOperaciones) {
            int n = 1;
            for (;; ++n) {
                ASSERT_LT(n, 50) << op.nombre << " never succeeds";
                m.reset();
                BorraCarpeta(dir);
                dir = CarpetaTemporal();
                Base();
                fs = FaultyFileSystem{};
                fs.mitad = mitad;
                fs.err = n % 2 ? 28 /* ENOSPC */ : 5 /* EIO */;
                ASSERT_TRUE(Arranca(fs));
                fs.llamadas = 0;
                fs.fallaEn = n;
                msg.vistos.clear();
                const bool ok = op.hacer(*m);
                if (!fs.fallado) {
                    EXPECT_TRUE(ok) << op.nombre;
                    break;
                }
                EXPECT_FALSE(ok) << op.nombre << " N=" << n << ": a failure reported as success";
                ASSERT_FALSE(msg.vistos.empty()) << op.nombre << " N=" << n << ": the user was not told";
                EXPECT_EQ(msg.vistos.back().icono, ui::Icono::Critico) << op.nombre << " N=" << n;
                TablasComoEnDisco(op.nombre, n);
                BaseIntacta(op.nombre, n);
                EXPECT_FALSE(Existe(Ruta("frecuencias.vyr.nuevo"))) << op.nombre << " N=" << n;
            }
            EXPECT_GT(n, 1) << op.nombre << " wrote nothing at all";
        }
    }
}

}  // namespace
}  // namespace vyr::test
