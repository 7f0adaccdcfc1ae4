// Every operation of the store against every way a disk fails, at every call
// the fault can hit: a failed read or size query, a failed or short write, a
// failed sync, the program killed, the power cut. A failure leaves the files
// exactly as the changes reported done left them and the user told; a crash
// leaves files that load, with every change reported done and the change in
// flight whole or absent.
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>

#include "support/faulty_file_system.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

using Ficheros = std::map<std::string, std::string>;
using Estado = std::map<double, std::string>;  // frequency -> its 300 record bytes
double Frec(int k) { return 100.0 + 1.5 * k; }

// The import: every third line rewrites a stored frequency, the others add
// one, three of them into deleted slots.
std::vector<std::pair<double, std::string>> LineasImport() {
    std::vector<std::pair<double, std::string>> r;
    r.reserve(300);
    for (int j = 0; j < 300; ++j) r.emplace_back(j % 3 ? 1000.0 + j : Frec(j / 3 + 1), (j % 3 ? "a" : "m") + std::to_string(j));
    return r;
}

enum class Inicio { Base, CarpetaNueva, MilAlReves };

// MilAlReves: slot s holds frequency Frec(s) and record 1001 - s, and the
// list rewrites all 1,000 in frequency order: more records than one run of
// writes holds, lying in the reverse order of the lines.
Ficheros MilAlReves() {
    std::string indice, datos, csv;
    for (int s = 1; s <= 1000; ++s) {
        indice += Entrada(Frec(s), static_cast<std::int16_t>(1001 - s));
        datos += Registro("r" + std::to_string(1001 - s));
        csv += std::to_string(static_cast<long long>(Frec(s) * 1e6)) + ";n" + std::to_string(s) + "\r\n";
    }
    return {{"frecuencias.vyr", indice}, {"datos.vyr", datos}, {"vyr.csv", csv}};
}

// Base: slot s holds frequency k = (37 s mod 120) + 1, out of order for the
// sort, and its own record; slots 5, 17 and 60 are deleted; a partial entry trails.
Ficheros Base(Inicio inicio) {
    if (inicio == Inicio::MilAlReves) return MilAlReves();
    std::string indice, datos, csv;
    for (const auto& [f, d] : LineasImport()) csv += std::to_string(static_cast<long long>(f * 1e6)) + ";" + d + "\r\n";
    if (inicio == Inicio::CarpetaNueva) return {{"vyr.csv", csv}};
    for (int s = 1; s <= 120; ++s) {
        const bool borrado = s == 5 || s == 17 || s == 60;
        const int k = (37 * s) % 120 + 1;
        indice += Entrada(borrado ? 0.0 : Frec(k), static_cast<std::int16_t>(s));
        datos += borrado ? Registro("") : Registro("r" + std::to_string(k), "S", "AM", "010107", "o");
    }
    return {{"frecuencias.vyr", indice + "\x01\x02\x03"}, {"datos.vyr", datos}, {"vyr.csv", csv}};
}

// What the files say, read by the test itself.
Estado EstadoDe(const Ficheros& f) {
    const std::string &ind = f.at("frecuencias.vyr"), &dat = f.at("datos.vyr");
    Estado e;
    for (std::size_t k = 0; k + 10 <= ind.size(); k += 10) {
        double frec;
        std::memcpy(&frec, ind.data() + k, 8);
        const int reg = static_cast<std::int16_t>(std::uint8_t(ind[k + 8]) | std::uint8_t(ind[k + 9]) << 8);
        if (reg < 1 || std::size_t(reg) * 300 > dat.size()) ADD_FAILURE() << "entry " << k / 10 + 1 << " names record " << reg << " outside the data file";
        else if (frec > 0 && !e.emplace(frec, dat.substr(std::size_t(reg - 1) * 300, 300)).second) ADD_FAILURE() << frec << " live twice";
    }
    return e;
}

using Paso = std::function<bool(Modulo&)>;  // one change the user is told about
struct Operacion {
    const char* nombre;
    std::vector<Paso> pasos;
    int syncs;  // what durability costs: the syncs of the whole operation, never one per line
    Inicio inicio = Inicio::Base;
    std::string reemplaza = {};  // the file it replaces whole rather than writes into
};
void PrintTo(const Operacion& o, std::ostream* os) { *os << o.nombre; }

Paso En(double f, const Paso& haz) {
    return [=](Modulo& m) {
        m.FrecActual = f;
        m.BuscaFrecuencia();
        return haz(m);
    };
}
Paso Alta(double f, const char* d) {
    return En(f, [d](Modulo& m) { return m.PosFrec == 0 && m.AltaRegistro(d, "S", "M", "051226", "O"); });
}

const Operacion kOperaciones[] = {
    {"alta en carpeta nueva", {Alta(7.1, "primera")}, 2, Inicio::CarpetaNueva},
    {"altas hasta el final", {Alta(501, "u"), Alta(502, "d"), Alta(503, "t"), Alta(504, "c")}, 8},
    {"modifica", {En(Frec(7), [](Modulo& m) { return m.ModificaRegistro("cambiada", "", "", "", ""); })}, 1},
    {"borra", {En(Frec(9), [](Modulo& m) { return m.BorraRegistro(); })}, 2},
    {"ordena", {[](Modulo& m) {
         m.CambioIndice = true;
         return m.OrdenaIndice();
     }}, 2, Inicio::Base, "frecuencias.vyr"},
    {"importa", {[](Modulo& m) { return m.RecuperarDatos(); }}, 3},
    {"importa mil al reves", {[](Modulo& m) { return m.RecuperarDatos(); }}, 1, Inicio::MilAlReves},
    {"exporta", {[](Modulo& m) { return m.SalvarDatos(); }}, 2, Inicio::Base, "vyr.csv"},
};

class DurabilityTest : public StoreTest, public ::testing::WithParamInterface<std::tuple<Operacion, Falla>> {
protected:
    FaultyFileSystem fs;  // outlives every store of the test (TearDown drops it first)

    // A fresh folder watched from its first start-up on: start-up on a new
    // folder creates the files, and a power cut must not lose them.
    bool Prepara(const Operacion& op) {
        m.reset();
        BorraCarpeta(dir);
        dir = CarpetaTemporal();
        for (const auto& [n, b] : Base(op.inicio)) Pon(n, b);
        msg.vistos.clear();
        fs.Vigila(dir);
        return Arranca(fs);
    }
    Ficheros Lee() const { return {{"frecuencias.vyr", Bytes("frecuencias.vyr")}, {"datos.vyr", Bytes("datos.vyr")}, {"vyr.csv", Bytes("vyr.csv")}}; }
    bool SinRestos() const { return !Existe(Ruta("frecuencias.vyr.nuevo")) && !Existe(Ruta("vyr.csv.nuevo")); }
};

TEST_P(DurabilityTest, EveryCallOfEveryOperation) {
    const auto& [op, falla] = GetParam();
    const std::string nombre = op.nombre;
    // The steps without faults: the files after each one, and the syncs they cost.
    ASSERT_TRUE(Prepara(op));
    std::vector<Ficheros> ref{Lee()};
    std::vector<Estado> estados{EstadoDe(ref[0])};
    fs.syncs = 0;
    for (const auto& p : op.pasos) {
        ASSERT_TRUE(p(*m));
        ref.push_back(Lee());
        estados.push_back(EstadoDe(ref.back()));
    }
    EXPECT_EQ(fs.syncs, op.syncs);

    int n = 1, releidas = 0;
    for (;; ++n) {
        ASSERT_LT(n, 2000) << "never completes";
        SCOPED_TRACE(nombre + ", " + NombreFalla(falla) + " at call " + std::to_string(n));
        ASSERT_TRUE(Prepara(op));
        fs.Arma(falla, n);
        std::size_t hechos = 0;
        bool ok = true;
        while (hechos < op.pasos.size() && (ok = op.pasos[hechos](*m))) ++hechos;
        if (!fs.Fallado()) {
            // Done; and when the power goes just after, every byte reported done was on disk.
            EXPECT_TRUE(ok);
            EXPECT_EQ(Lee(), ref.back());
            m.reset();
            if (fs.EsApagon()) fs.Apaga();
            EXPECT_EQ(Lee(), ref.back()) << "a change reported done was lost";
            break;
        }
        if (!FaultyFileSystem::Cae(falla)) {
            EXPECT_FALSE(ok) << "a failure reported as success";
            ASSERT_FALSE(msg.vistos.empty()) << "the user was not told";
            const std::string texto = msg.vistos.back().texto;
            EXPECT_EQ(msg.vistos.back().icono, ui::Icono::Critico);
            EXPECT_TRUE(texto.starts_with(falla == Falla::Lectura ? "No se puede leer " : "No se puede escribir ")) << texto;
            EXPECT_TRUE(SinRestos());
            // Only the sort's new index, in place but not read back, leaves the
            // old tables answering and every later write refused.
            const bool releida = texto.find("volver a leer") != std::string::npos;
            EXPECT_TRUE(!releida || nombre == "ordena");
            releidas += releida;
            // Put back byte for byte. A file replaced whole may already be the
            // new one when only the folder's sync failed: old or new, it is whole.
            const auto antes = Lee();
            for (const auto& [f, bytes] : antes)
                EXPECT_TRUE(bytes == ref[hechos].at(f) || (f == op.reemplaza && bytes == ref[hechos + 1].at(f))) << f;
            // The tables are what a fresh start on the index would load.
            const std::string ind = releida ? ref[0].at("frecuencias.vyr") : antes.at("frecuencias.vyr");
            ASSERT_EQ(m->NumFrec, int(ind.size() / 10));
            for (std::size_t k = 1; k <= std::size_t(m->NumFrec); ++k)
                EXPECT_EQ(Entrada(m->TablaFrec[k], m->TablaReg[k]), ind.substr(10 * (k - 1), 10)) << "slot " << k;
            msg.vistos.clear();
            EXPECT_EQ(Alta(777.0, "luego")(*m), !releida) << "the store is stuck, or writes after a failed reload";
            if (releida) {
                EXPECT_TRUE(msg.vistos.size() == 1 && msg.vistos[0].texto.find("volver a leer") != std::string::npos);
                EXPECT_EQ(Lee(), antes);
            }
            continue;
        }

        // A crash: the store is abandoned and a new one starts on what is left.
        m.reset();
        if (fs.EsApagon()) fs.Apaga();
        ASSERT_TRUE(Modulo(dir, msg).Arranca()) << "the index does not load";
        EXPECT_TRUE(SinRestos());
        const Ficheros quedan = Lee();
        const Estado e = EstadoDe(quedan);
        if (op.inicio == Inicio::MilAlReves) {
            // Rewrites only: each record old or new, whole, and killed, the new
            // ones a first part of the data file.
            const std::string &dat = quedan.at("datos.vyr"), &viejo = ref[0].at("datos.vyr"), &nuevo = ref[1].at("datos.vyr");
            ASSERT_EQ(dat.size(), viejo.size());
            bool antes = true;
            for (std::size_t k = 0; k < dat.size(); k += 300) {
                const bool es = dat.compare(k, 300, nuevo, k, 300) == 0;
                EXPECT_TRUE(es || dat.compare(k, 300, viejo, k, 300) == 0) << "record " << k / 300 + 1 << " is torn";
                EXPECT_TRUE(!es || antes || falla != Falla::Muerte) << "record " << k / 300 + 1 << " new after an old one";
                antes = antes && es;
            }
            EXPECT_EQ(quedan.at("frecuencias.vyr"), ref[0].at("frecuencias.vyr"));
            continue;
        }
        if (nombre != "importa") {
            // Every change reported done is there; the one in flight is whole or absent.
            EXPECT_TRUE(e == estados[hechos] || (hechos + 1 < estados.size() && e == estados[hechos + 1]))
                << "after " << hechos << " changes reported done";
            for (const auto& [f, bytes] : quedan)
                EXPECT_TRUE(f != op.reemplaza || bytes == ref[0].at(f) || bytes == ref[1].at(f)) << f << " is neither the old nor the new one";
            continue;
        }
        // The import: each line whole or not at all; killed, a first part of the file.
        Estado modelo = estados[0];
        bool prefijo = e == modelo;
        for (const auto& [f, d] : LineasImport()) {
            modelo[f] = Registro(d);
            prefijo = prefijo || e == modelo;
        }
        EXPECT_EQ(modelo, estados[1]) << "the test's own model of the import";
        EXPECT_TRUE(prefijo || falla != Falla::Muerte) << "not a first part of the file";
        for (const auto& [f, registro] : estados[0]) EXPECT_TRUE(e.count(f)) << "lost " << f;
        for (const auto& [f, registro] : e)
            EXPECT_TRUE((estados[0].count(f) && estados[0].at(f) == registro) || modelo.at(f) == registro) << f << " is torn";
    }
    EXPECT_GT(n, 1) << "the fault never hit " << nombre;
    EXPECT_TRUE(nombre != "ordena" || falla != Falla::Lectura || releidas > 0) << "no failed read hit the reload after the sort";
}

std::string Nombre(const ::testing::TestParamInfo<DurabilityTest::ParamType>& i) {
    std::string s = std::string(std::get<0>(i.param).nombre) + "_" + NombreFalla(std::get<1>(i.param));
    std::replace_if(s.begin(), s.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return s;
}

INSTANTIATE_TEST_SUITE_P(Store, DurabilityTest, ::testing::Combine(::testing::ValuesIn(kOperaciones), ::testing::Values(
    Falla::Lectura, Falla::Escritura, Falla::Corta, Falla::Sync, Falla::Muerte, Falla::Apagon, Falla::ApagonIndice)), Nombre);

}  // namespace
}  // namespace vyr::test
