// Every operation of the store against every way a disk fails, at every call
// the fault can hit: a failed read or size query, a failed or short write, a
// failed sync, the program killed, the power cut. A failure leaves the files
// exactly as the changes reported done left them and the user told; a crash
// leaves files that load, with every change reported done and the change in
// flight whole or absent.
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "support/faulty_file_system.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

constexpr int kSlots = 120;
constexpr int kBorrados[] = {5, 17, 60};
const char* const kFicheros[] = {"frecuencias.vyr", "datos.vyr", "vyr.csv"};

double Frec(int k) { return 100.0 + 1.5 * k; }

// Slot s holds frequency k = (37 s mod 120) + 1, out of order for the sort,
// and its own record; three slots are deleted; a partial entry trails.
std::map<std::string, std::string> Base() {
    std::string indice, datos;
    for (int s = 1; s <= kSlots; ++s) {
        const bool borrado = std::find(std::begin(kBorrados), std::end(kBorrados), s) != std::end(kBorrados);
        const int k = (37 * s) % kSlots + 1;
        indice += Entrada(borrado ? 0.0 : Frec(k), static_cast<std::int16_t>(s));
        datos += borrado ? Registro("") : Registro("r" + std::to_string(k), "S", "AM", "010107", "o");
    }
    indice += "\x01\x02\x03";
    return {{"frecuencias.vyr", indice}, {"datos.vyr", datos}, {"vyr.csv", ""}};
}

// The import: every third line rewrites a stored frequency, the others add
// one, three of them into deleted slots.
struct LineaImport {
    double frecuencia;
    std::string descripcion;
};
std::vector<LineaImport> LineasImport() {
    std::vector<LineaImport> r;
    r.reserve(300);
    for (int j = 0; j < 300; ++j)
        r.push_back(j % 3 == 0 ? LineaImport{Frec(j / 3 + 1), "m" + std::to_string(j)}
                               : LineaImport{1000.0 + j, "a" + std::to_string(j)});
    return r;
}
std::string CsvImport() {
    std::string t;
    for (const auto& l : LineasImport())
        t += std::to_string(static_cast<long long>(l.frecuencia * 1e6)) + ";" + l.descripcion + "\r\n";
    return t;
}

// What the files say, read by the test itself: frequency -> 300 record bytes.
using Estado = std::map<double, std::string>;
std::optional<Estado> EstadoDe(const std::map<std::string, std::string>& f, std::string& porque) {
    const std::string& ind = f.at("frecuencias.vyr");
    const std::string& dat = f.at("datos.vyr");
    Estado e;
    for (std::size_t k = 0; k + 10 <= ind.size(); k += 10) {
        double frec;
        std::memcpy(&frec, ind.data() + k, 8);
        const int reg = static_cast<std::int16_t>(static_cast<unsigned char>(ind[k + 8]) |
                                                  (static_cast<unsigned char>(ind[k + 9]) << 8));
        if (reg < 1 || std::size_t(reg) * 300 > dat.size()) {
            porque = "entry " + std::to_string(k / 10 + 1) + " names record " + std::to_string(reg) +
                     " outside the data file";
            return std::nullopt;
        }
        if (!(frec > 0)) continue;
        if (e.count(frec)) {
            porque = "frequency " + std::to_string(frec) + " live twice";
            return std::nullopt;
        }
        e[frec] = dat.substr(std::size_t(reg - 1) * 300, 300);
    }
    return e;
}

struct Operacion {
    const char* nombre;
    // Each step is one change the user is told about.
    std::vector<std::function<bool(Modulo&)>> pasos;
    bool carpetaNueva = false;  // starts on an empty folder instead of the base
};

std::map<std::string, std::string> BaseDe(const Operacion& op) {
    if (op.carpetaNueva) return {{"vyr.csv", ""}};
    return Base();
}

std::function<bool(Modulo&)> Alta(double f, const char* d) {
    return [=](Modulo& m) {
        m.FrecActual = f;
        m.BuscaFrecuencia();
        return m.PosFrec == 0 && m.AltaRegistro(d, "S", "M", "051226", "O");
    };
}

const Operacion kOperaciones[] = {
    {"alta en carpeta nueva", {Alta(7.1, "primera")}, true},
    {"alta en un hueco", {Alta(500.5, "nueva")}},
    {"altas hasta el final", {Alta(501, "u"), Alta(502, "d"), Alta(503, "t"), Alta(504, "c")}},
    {"modifica", {[](Modulo& m) {
         m.FrecActual = Frec(7);
         m.BuscaFrecuencia();
         return m.ModificaRegistro("cambiada", "", "", "", "");
     }}},
    {"borra", {[](Modulo& m) {
         m.FrecActual = Frec(9);
         return m.BorraRegistro();
     }}},
    {"fecha hoy", {[](Modulo& m) {  // as the card's button does it
         m.FrecActual = Frec(11);
         m.BuscaFrecuencia();
         const int n = m.TablaReg[std::size_t(m.PosFrec)];
         if (!m.LeeDatos(n)) return false;
         m.BufDatos.Fecha.Asigna("051226");
         return m.EscribeDatos(n);
     }}},
    {"ordena", {[](Modulo& m) {
         m.CambioIndice = true;
         return m.OrdenaIndice();
     }}},
    {"importa", {[](Modulo& m) { return m.RecuperarDatos(); }}},
    {"exporta", {[](Modulo& m) { return m.SalvarDatos(); }}},
};

void PrintTo(const Operacion& o, std::ostream* os) { *os << o.nombre; }

// The operations that replace a file whole rather than write into it.
bool Reemplaza(const Operacion& op, const std::string& fichero) {
    return (fichero == "frecuencias.vyr" && std::string(op.nombre) == "ordena") ||
           (fichero == "vyr.csv" && std::string(op.nombre) == "exporta");
}

const Falla kFallas[] = {Falla::Lectura, Falla::Escritura, Falla::Corta,        Falla::Sync,
                         Falla::Muerte,  Falla::Apagon,    Falla::ApagonIndice};

using Ficheros = std::map<std::string, std::string>;

class DurabilityTest : public StoreTest,
                       public ::testing::WithParamInterface<std::tuple<Operacion, Falla>> {
protected:
    FaultyFileSystem fs;  // outlives every store of the test (TearDown drops it first)

    void Prepara(const Ficheros& base) {
        m.reset();
        BorraCarpeta(dir);
        dir = CarpetaTemporal();
        for (const auto& [n, b] : base) Pon(n, b);
        Pon("vyr.csv", CsvImport());
        msg.vistos.clear();
    }
    Ficheros Lee() const {
        Ficheros f;
        for (const char* n : kFicheros) f[n] = Bytes(n);
        return f;
    }
    using StoreTest::Arranca;
    // Start-up on a new folder creates the files; a power cut must not lose them.
    bool Arranca(FaultyFileSystem& f) {
        f.Vigila(dir);
        return StoreTest::Arranca(f);
    }
    // The steps without faults: the files after each one.
    std::vector<Ficheros> Referencia(const Operacion& op) {
        Prepara(BaseDe(op));
        std::vector<Ficheros> r{Lee()};
        EXPECT_TRUE(Arranca());
        for (const auto& p : op.pasos) {
            EXPECT_TRUE(p(*m)) << op.nombre;
            r.push_back(Lee());
        }
        return r;
    }
    // The tables are what a fresh start would load.
    void TablasComoEnDisco(const std::string& donde) {
        const std::string ind = Bytes("frecuencias.vyr");
        ASSERT_EQ(m->NumFrec, int(ind.size() / 10)) << donde;
        for (int k = 1; k <= m->NumFrec; ++k) {
            double f;
            std::memcpy(&f, ind.data() + std::size_t(k - 1) * 10, 8);
            EXPECT_EQ(m->TablaFrec[std::size_t(k)], f) << donde << " slot " << k;
        }
    }
    bool SinRestos() const {
        return !Existe(Ruta("frecuencias.vyr.nuevo")) && !Existe(Ruta("vyr.csv.nuevo"));
    }
};

TEST_P(DurabilityTest, EveryCallOfEveryOperation) {
    const auto& [op, falla] = GetParam();
    const std::vector<Ficheros> ref = Referencia(op);
    std::vector<Estado> estados;
    for (const auto& f : ref) {
        std::string porque;
        const auto e = EstadoDe(f, porque);
        ASSERT_TRUE(e) << op.nombre << ": reference " << porque;
        estados.push_back(*e);
    }
    const bool importa = std::string(op.nombre) == "importa";

    int n = 1, releidas = 0;
    for (;; ++n) {
        ASSERT_LT(n, 2000) << "never completes";
        const std::string donde = std::string(op.nombre) + ", " + NombreFalla(falla) + " at call " + std::to_string(n);
        Prepara(BaseDe(op));
        ASSERT_TRUE(Arranca(fs)) << donde;
        fs.Arma(falla, n);
        std::size_t hechos = 0;
        bool ok = true;
        for (const auto& p : op.pasos) {
            if (!(ok = p(*m))) break;
            ++hechos;
        }
        if (!fs.Fallado()) {
            EXPECT_TRUE(ok) << donde;
            EXPECT_EQ(Lee(), ref.back()) << donde;
            if (fs.EsApagon()) {
                // The power goes just after: every byte reported done was on disk.
                m.reset();
                fs.Apaga();
                EXPECT_EQ(Lee(), ref.back()) << donde << ": a change reported done was lost";
            }
            break;
        }

        if (!FaultyFileSystem::Cae(falla)) {
            EXPECT_FALSE(ok) << donde << ": a failure reported as success";
            ASSERT_FALSE(msg.vistos.empty()) << donde << ": the user was not told";
            EXPECT_EQ(msg.vistos.back().icono, ui::Icono::Critico) << donde;
            EXPECT_TRUE(SinRestos()) << donde;
            const bool releida = msg.vistos.back().texto.find("volver a leer") != std::string::npos;
            if (!releida) {
                // Put back byte for byte, and the store goes on working. A file
                // replaced whole may already be the new one when only the
                // folder's sync failed: old or new, it is whole.
                const Ficheros quedan = Lee();
                for (const auto& [nombre, bytes] : quedan) {
                    const bool nuevo = Reemplaza(op, nombre) && bytes == ref[hechos + 1].at(nombre);
                    EXPECT_TRUE(bytes == ref[hechos].at(nombre) || nuevo) << donde << ": " << nombre;
                }
                TablasComoEnDisco(donde);
                EXPECT_TRUE(Alta(777.0, "luego")) << donde << ": the store is stuck";
                continue;
            }
            // The sort's new index is in place but could not be read back: the
            // old tables still answer, and nothing more is written.
            EXPECT_STREQ(op.nombre, "ordena") << donde;
            ++releidas;
            const std::string indice = Bytes("frecuencias.vyr");
            EXPECT_TRUE(indice == ref[0].at("frecuencias.vyr") || indice == ref[1].at("frecuencias.vyr")) << donde;
            for (const auto& [f, registro] : estados[0]) {
                m->FrecActual = f;
                m->BuscaFrecuencia();
                ASSERT_NE(m->PosFrec, 0) << donde;
                ASSERT_TRUE(m->LeeDatos(m->TablaReg[std::size_t(m->PosFrec)])) << donde;
                EXPECT_EQ(m->BufDatos.Descripcion.Texto(), registro.substr(0, 40)) << donde;
            }
            const auto antes = Lee();
            msg.vistos.clear();
            EXPECT_FALSE(Alta(777.0, "luego")) << donde;
            ASSERT_EQ(msg.vistos.size(), 1u) << donde;
            EXPECT_NE(msg.vistos[0].texto.find("volver a leer"), std::string::npos) << donde;
            EXPECT_EQ(Lee(), antes) << donde;
            continue;
        }

        // A crash: the store is abandoned and a new one starts on what is left.
        m.reset();
        if (fs.EsApagon()) fs.Apaga();
        FakeMessageService otro;
        {
            Modulo nuevo(dir, otro);
            ASSERT_TRUE(nuevo.Arranca()) << donde << ": the index does not load";
        }
        EXPECT_TRUE(SinRestos()) << donde;
        const Ficheros quedan = Lee();
        std::string porque;
        const auto e = EstadoDe(quedan, porque);
        ASSERT_TRUE(e) << donde << ": " << porque;
        if (!importa) {
            // Every change reported done is there; the one in flight is whole or absent.
            const bool vale = *e == estados[hechos] || (hechos + 1 < estados.size() && *e == estados[hechos + 1]);
            EXPECT_TRUE(vale) << donde << " after " << hechos << " changes reported done";
            for (const char* nombre : kFicheros) {
                if (!Reemplaza(op, nombre)) continue;
                EXPECT_TRUE(quedan.at(nombre) == ref[0].at(nombre) || quedan.at(nombre) == ref[1].at(nombre))
                    << donde << ": " << nombre << " is neither the old nor the new one";
            }
            continue;
        }
        // The import: each line whole or not at all; killed, a first part of the file.
        Estado modelo = estados[0];
        bool prefijo = *e == modelo;
        for (const auto& l : LineasImport()) {
            modelo[l.frecuencia] = Registro(l.descripcion);
            prefijo = prefijo || *e == modelo;
        }
        EXPECT_EQ(modelo, estados[1]) << "the test's own model of the import";
        if (falla == Falla::Muerte) {
            EXPECT_TRUE(prefijo) << donde << ": not a first part of the file";
            continue;
        }
        for (const auto& [f, registro] : estados[0])
            EXPECT_TRUE(e->count(f)) << donde << ": lost " << f;
        for (const auto& [f, registro] : *e) {
            const bool antes = estados[0].count(f) && estados[0].at(f) == registro;
            EXPECT_TRUE(antes || modelo.at(f) == registro) << donde << ": " << f << " is torn";
        }
    }
    EXPECT_GT(n, 1) << "the fault never hit " << op.nombre;
    if (std::string(op.nombre) == "ordena" && falla == Falla::Lectura) {
        EXPECT_GT(releidas, 0) << "no failed read hit the reload after the sort";
    }
}

// What durability costs: the syncs of each change, never one per line.
TEST_F(StoreTest, SyncsPerChange) {
    const struct { const char* op; int syncs; } casos[] = {
        {"alta en carpeta nueva", 2}, {"alta en un hueco", 2}, {"altas hasta el final", 8}, {"modifica", 1}, {"borra", 2},
        {"fecha hoy", 1}, {"ordena", 2}, {"importa", 3}, {"exporta", 2},
    };
    for (const auto& c : casos) {
        const auto op = std::find_if(std::begin(kOperaciones), std::end(kOperaciones),
                                     [&](const Operacion& o) { return std::string(o.nombre) == c.op; });
        ASSERT_NE(op, std::end(kOperaciones)) << c.op;
        m.reset();
        BorraCarpeta(dir);
        dir = CarpetaTemporal();
        for (const auto& [n, b] : BaseDe(*op)) Pon(n, b);
        Pon("vyr.csv", CsvImport());
        FaultyFileSystem fs;
        fs.Vigila(dir);
        ASSERT_TRUE(Arranca(fs));
        fs.syncs = 0;
        for (const auto& p : op->pasos) EXPECT_TRUE(p(*m)) << c.op;
        EXPECT_EQ(fs.syncs, c.syncs) << c.op;
        m.reset();
    }
}

std::string Nombre(const ::testing::TestParamInfo<DurabilityTest::ParamType>& i) {
    std::string s = std::string(std::get<0>(i.param).nombre) + "_" + NombreFalla(std::get<1>(i.param));
    for (char& c : s)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return s;
}

INSTANTIATE_TEST_SUITE_P(Store, DurabilityTest,
                         ::testing::Combine(::testing::ValuesIn(kOperaciones), ::testing::ValuesIn(kFallas)),
                         Nombre);

}  // namespace
}  // namespace vyr::test
