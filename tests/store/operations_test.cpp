// Start-up, add, modify, delete, sort, export and import on new, healthy,
// full, damaged, read-only and unwritable folders: what each step answers,
// every message the user sees, and the bytes left on disk. Whatever happens,
// the tables are what the index on disk holds.
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <set>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/records.h"
#include "store/store_messages.h"
#include "support/faulty_file_system.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

using Ficheros = std::map<std::string, std::string>;
using E = FaultyFileSystem::Escritura;
const std::string kInd = "frecuencias.vyr", kDat = "datos.vyr", kCsv = "vyr.csv", kBlanco(300, ' ');

// Slots 1..n hold frequency 1.5 k and record k, but those in `cambia`.
std::string Slots(int n, const std::map<int, double>& cambia = {}) {
    std::string s;
    for (int k = 1; k <= n; ++k) s += Entrada(cambia.count(k) ? cambia.at(k) : 1.5 * k, std::int16_t(k));
    return s;
}
// Records 1..n read "rk", but those in `cambia`.
std::string Datos(int n, const std::map<int, std::string>& cambia = {}) {
    std::string s;
    for (int k = 1; k <= n; ++k) s += cambia.count(k) ? cambia.at(k) : Registro("r" + std::to_string(k));
    return s;
}
std::string Ind(const std::vector<std::pair<double, int>>& e) {
    std::string s;
    for (auto [f, r] : e) s += Entrada(f, std::int16_t(r));
    return s;
}

struct Paso {
    // A add, M modify, B delete, O sort, S export, R import, L read record f, F find f and read its record,
    // P a second program starts on the folder
    char op;
    double f = 0;
    std::vector<std::string> campos = {};
};
enum class Entorno { Normal, SoloLectura, CarpetaCerrada };  // files 0444; folder 0555

class OperationsTest : public StoreTest {
protected:
    FaultyFileSystem fs;
    // What start-up and each step say: its answer, then every message
    // ("!" marks a critical one); last, the frequencies and CambioIndice.
    std::vector<std::string> Ejecuta(const std::vector<Paso>& pasos) {
        std::vector<std::string> dice;
        const auto oye = [&] {
            for (const auto& v : msg.vistos)
                dice.push_back((v.icono == ui::Icono::Critico ? "!" : "") + v.titulo + "|" + v.texto +
                               (v.botones == ui::Botones::Ok ? "" : " (más botones)"));
            msg.vistos.clear();
        };
        const auto sn = [](bool b) { return std::string(b ? "si" : "no"); };
        const auto texto = [&] {  // the record's 300 bytes without the trailing spaces
            const auto b = BytesDatos(m->BufDatos);
            std::string s(b.begin(), b.end());
            return s.erase(s.find_last_not_of(' ') + 1);
        };
        fs.Vigila(dir);
        const bool arrancado = Arranca(fs);
        if (!arrancado) dice.push_back("arranca no");
        oye();
        if (!arrancado) return dice;
        for (const Paso& p : pasos) {
            std::vector<std::string> c = p.campos;  // the five texts, missing ones blank
            c.resize(5);
            m->FrecActual = p.f;
            m->BuscaFrecuencia();
            fs.escrituras.clear();
            fs.syncs = 0;
            bool ok;
            switch (p.op) {
                case 'A': ok = m->AltaRegistro(c[0], c[1], c[2], c[3], c[4]); dice.push_back("alta " + (ok ? std::to_string(m->PosLibre) : "no")); break;
                case 'M': dice.push_back("modifica " + sn(m->ModificaRegistro(c[0], c[1], c[2], c[3], c[4]))); break;
                case 'B': dice.push_back("borra " + sn(m->BorraRegistro())); break;
                case 'O': m->CambioIndice = true; dice.push_back("ordena " + sn(m->OrdenaIndice())); break;
                case 'S': dice.push_back("salva " + sn(m->SalvarDatos())); break;
                case 'R': ok = m->RecuperarDatos(); dice.push_back("recupera " + sn(ok) + " " + std::to_string(std::llround(m->FrecActual * 1e6)) + " " + std::to_string(m->PosFrec) + " " + std::to_string(m->PosLibre)); break;
                case 'L': ok = m->LeeDatos(int(p.f)); dice.push_back("lee " + sn(ok) + " " + texto()); break;
                case 'P': dice.push_back("otro arranca " + sn(Modulo(dir, msg).Arranca())); break;
                case 'F': dice.push_back("busca " + std::to_string(m->PosFrec) + " " + (m->LeeDatos(m->RegistroDe(m->PosFrec)) ? texto() : "?")); break;
            }
            oye();
        }
        const std::string ind = Bytes(kInd);
        bool iguales = m->NumFrec == int(ind.size() / 10) && (m->NumFrec == 5000 || m->TablaFrec[std::size_t(m->NumFrec) + 1] == 0.0);
        for (std::size_t k = 1; k <= std::size_t(m->NumFrec); ++k)
            iguales = iguales && Entrada(m->TablaFrec[k], m->TablaReg[k]) == ind.substr(10 * (k - 1), 10);
        if (!iguales) dice.push_back("the tables are not the index");
        std::string servicios;
        for (const auto& s : m->Servicios) servicios += s + "|";
        servicios.erase(servicios.find_last_not_of('|') + 1);
        if (!servicios.empty()) dice.push_back("servicios " + servicios);
        dice.push_back(std::to_string(m->NumFrec) + " frecuencias, cambio " + sn(m->CambioIndice));
        // Once the program ends, the next one starts on what it left.
        const int n = m->NumFrec;
        m.reset();
        if (Modulo otro(dir, msg); !otro.Arranca() || otro.NumFrec != n || !msg.vistos.empty()) dice.push_back("the next start differs");
        return dice;
    }
};

TEST_F(OperationsTest, EveryStepOnDisk) {
    const std::string kD37(37, 'd'), kExpInd = Entrada(0.0, 1) + Entrada(0.0, 2) + Entrada(145.8, 3) + Entrada(7.1, 4);
    const std::string kExpDat = kBlanco + kBlanco + Registro("Aire", "Aeron\xE1utico", "AM") + Registro(kD37 + "   ", "", "", "051226", "obs  ");
    const std::string kSalvados = "Salvar datos|Datos salvados en vyr.csv", kRecuperados = "Salvar datos|Datos recuperados de vyr.csv";
    const auto danado = [](int r) { return "!VYR|No se puede escribir datos.vyr\nfrecuencias.vyr está dañado: el registro " + std::to_string(r) +
                                           " no pertenece a una sola frecuencia."; };
    const std::string kSinPermiso = "!VYR|No se puede escribir frecuencias.vyr\nNo hay permiso de escritura.", kAB = Registro("a") + Registro("b");
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    std::string servicios150, primeros100 = "L1";
    for (int i = 1; i <= 150; ++i) {
        servicios150 += "L" + std::to_string(i) + "\r\n";
        if (i > 1 && i <= 100) primeros100 += "|L" + std::to_string(i);
    }
    // 1,000 slots, s MHz naming record 1001 - s, and a list that rewrites all but 10 MHz
    // (record 991) and 1,000 MHz (record 1, so that the span starts past it).
    std::string mil, milCsv;
    std::map<int, std::string> milNuevos;
    for (int s = 1; s <= 1000; ++s) {
        mil += Entrada(s, std::int16_t(1001 - s));
        if (s == 10 || s == 1000) continue;
        milCsv += std::to_string(s) + "000000;n" + std::to_string(s) + "\r\n";
        milNuevos[1001 - s] = Registro("n" + std::to_string(s));
    }
    const struct {
        const char* caso;
        Ficheros antes;  // "<carpeta>": a folder of that name; "<bucle>": a link to itself; "<lleno>": a full disk
        std::vector<Paso> pasos;
        std::vector<std::string> dice;  // "$DIR": the folder
        Ficheros despues = {};          // what changed: "-" gone, "*" not checked; the rest as before
        std::vector<E> escrituras = {}; // when given: the writes of the last step, in order, and its syncs
        int syncs = 0;
        Entorno entorno = Entorno::Normal;
    } casos[] = {
        // Start-up.
        {"5,001 entries end the program, nothing written", {{kInd, Slots(5001)}}, {}, {"arranca no", "!Carga de Índice|*** Más de 5.000 registros ***"}},
        {"the lookup is exact and the lowest slot wins", {{kInd, Ind({{9.5, 1}, {7.1, 2}, {0, 3}, {7.1, 4}})}},
         {{'F', 7.1}, {'F', 9.5}, {'F', 0.0}}, {"busca 2 ", "busca 1 ", "busca 0 ", "4 frecuencias, cambio no"}, {{kDat, ""}}},
        {"datos.vyr is a folder", {{kDat, "<carpeta>"}}, {}, {"arranca no", "!VYR|No se puede abrir datos.vyr\nEn su lugar hay una carpeta."}, {{kInd, ""}}},
        {"datos.vyr is a loop", {{kDat, "<bucle>"}}, {},
         {"arranca no", "!VYR|No se puede abrir datos.vyr\nDemasiados enlaces simbólicos en la ruta."}, {{kInd, ""}}},
        {"a second program is refused while the first runs, even after the first one's sort replaced the index", {{kInd, Slots(2)}},
         {{'P'}, {'A', 3.5, {"x"}}, {'O'}, {'P'}}, {"otro arranca no", "!VYR|VYR ya está en uso en esta carpeta", "alta 3", "ordena si", "otro arranca no",
          "!VYR|VYR ya está en uso en esta carpeta", "3 frecuencias, cambio no"}, {{kInd, Slots(2) + Entrada(3.5, 3)}, {kDat, std::string(600, '\0') + Registro("x")}}},
        {"what an interrupted replace left goes, nothing else",
         {{kInd, Entrada(7.1, 1)}, {kDat, Registro("uno")}, {kInd + ".nuevo", "x"}, {"vyr.csv.nuevo", "x"}, {kCsv, "x"}, {"datos.vyr.nuevo", "x"}, {"otro.nuevo", "x"}},
         {}, {"1 frecuencias, cambio no"}, {{kInd + ".nuevo", "-"}, {"vyr.csv.nuevo", "-"}}},
        {"services: every end of line, a NUL, a huge line and a last line without its end", {{"servicios.vyr", "MA Mar\xEDtimo\n\r\nAE\r" + std::string(100000, 'x') + std::string("\r\n\x81\x00z", 5)}}, {},
         {"servicios MA Mar\xEDtimo||AE|" + std::string(100000, 'x') + "|" + std::string("\x81\x00z", 3), "0 frecuencias, cambio no"}, {{kInd, ""}, {kDat, ""}}},
        {"services: the first 100 of 150 lines", {{"servicios.vyr", servicios150}}, {},
         {"servicios " + primeros100, "0 frecuencias, cambio no"}, {{kInd, ""}, {kDat, ""}}},
        // Add, modify, delete.
        {"an add takes the lowest deleted slot, then appends", {{kInd, Slots(10, {{4, 0.0}, {7, 0.0}})}, {kDat, Datos(10)}},
         {{'A', 100, {"cien"}}, {'A', 200, {"doscientos"}}, {'A', 300, {"trescientos"}}}, {"alta 4", "alta 7", "alta 11", "11 frecuencias, cambio si"},
         {{kInd, Slots(10, {{4, 100.0}, {7, 200.0}}) + Entrada(300, 11)},
          {kDat, Datos(10, {{4, Registro("cien")}, {7, Registro("doscientos")}}) + Registro("trescientos")}}},
        {"a delete zeroes the entry and blanks the record; an unknown frequency or 0 does nothing, silently",
         {{kInd, Slots(3)}, {kDat, Datos(3)}}, {{'B', 3.0}, {'F', 3.0}, {'B', 55}, {'B', 0}}, {"borra si", "busca 0 ", "borra si", "borra si", "3 frecuencias, cambio no"},
         {{kInd, Slots(3, {{2, 0.0}})}, {kDat, Datos(3, {{2, kBlanco}})}}},
        {"a modify rewrites only its record, cut to width", {{kInd, Slots(3)}, {kDat, Datos(3)}},
         {{'F', 4.5}, {'M', 4.5, {std::string(50, 'D'), "S", "M", "F", "O"}}}, {"busca 3 r3", "modifica si", "3 frecuencias, cambio no"},
         {{kDat, Datos(3, {{3, Registro(std::string(40, 'D'), "S", "M", "F", "O")}})}}},
        {"a full index refuses the add and writes nothing; a delete makes room", {{kInd, Slots(5000)}},
         {{'A', 1, {"no cabe"}}, {'B', 7500}, {'A', 1, {"cabe"}}},
         {"alta no", "! Alta de frecuencia|*** Índice lleno: 5.000 frecuencias ***", "borra si", "alta 5000", "5000 frecuencias, cambio si"},
         {{kInd, Slots(5000, {{5000, 1.0}})}, {kDat, std::string(std::size_t{4999} * 300, '\0') + Registro("cabe")}}},
        // The sort: record numbers travel with their frequencies, the trailing piece stays; a
        // reused slot keeps the record it names.
        {"sort, then a delete in the replaced file", {{kInd, Ind({{300, 1}, {100, 2}, {200, 3}}) + "xyz"}, {kDat, kAB}}, {{'O'}, {'B', 100}},
         {"ordena si", "borra si", "3 frecuencias, cambio no"}, {{kInd, Ind({{0, 2}, {200, 3}, {300, 1}}) + "xyz"}, {kDat, Registro("a") + kBlanco}}},
        {"sort deleted entries first, then add into the replaced file", {{kInd, Ind({{5, 1}, {0, 2}, {3, 3}, {4, 4}, {0, 5}, {1, 6}}) + "xyz"}, {kDat, kAB}},
         {{'O'}, {'A', 999, {"tras ordenar"}}}, {"ordena si", "alta 1", "6 frecuencias, cambio si"},
         {{kInd, Ind({{999, 2}, {0, 5}, {1, 6}, {3, 3}, {4, 4}, {5, 1}}) + "xyz"}, {kDat, Registro("a") + Registro("tras ordenar")}}},
        {"sort one", {{kInd, Ind({{7, 1}}) + "xyz"}, {kDat, kAB}}, {{'O'}, {'B', 7}}, {"ordena si", "borra si", "1 frecuencias, cambio no"},
         {{kInd, Ind({{0, 1}}) + "xyz"}, {kDat, kBlanco + Registro("b")}}},
        {"sort none", {{kInd, "xyz"}, {kDat, kAB}}, {{'O'}, {'A', 999, {"tras ordenar"}}}, {"ordena si", "alta 1", "1 frecuencias, cambio si"},
         {{kInd, Entrada(999, 1)}, {kDat, Registro("tras ordenar") + Registro("b")}}},
        // Export.
        {"export skips deleted entries, in slot order when not sorted", {{kInd, kExpInd}, {kDat, kExpDat}}, {{'S'}},
         {"salva si", kSalvados, "4 frecuencias, cambio no"}, {{kCsv, "145800000;Aire;Aeron\xE1utico;AM;;\r\n7100000;" + kD37 + ";;;051226;obs\r\n"}}},
        {"export sorts first when asked", {{kInd, kExpInd}, {kDat, kExpDat}}, {{'A', 0.5, {"medio"}}, {'S'}},
         {"alta 1", "salva si", kSalvados, "4 frecuencias, cambio no"},
         {{kInd, Ind({{0, 2}, {0.5, 1}, {7.1, 4}, {145.8, 3}})}, {kDat, Registro("medio") + kExpDat.substr(300)},
          {kCsv, "500000;medio;;;;\r\n7100000;" + kD37 + ";;;051226;obs\r\n145800000;Aire;Aeron\xE1utico;AM;;\r\n"}}},
        {"an empty store exports an empty file", {{kCsv, "old contents"}}, {{'S'}}, {"salva si", kSalvados, "0 frecuencias, cambio no"},
         {{kInd, ""}, {kDat, ""}, {kCsv, ""}}},
        // Import.
        {"import adds, updates and skips", {{kInd, Entrada(7.1, 1) + Entrada(0.0, 2)}, {kDat, Registro("vieja", "BC", "AM", "010101", "x") + kBlanco},
          {kCsv, "7100000\r\n"               // existing: blanked
                 "\r\nabc;x\r\n900;muy baja\r\n" // empty, no number, 0.0009: skipped
                 "901;justo\n"               // 0.000901: added (LF alone ends a line too)
                 "7100000,5;coma\r\n"        // reads 7100000: updates 7.1 again
                 "900000001000000;alta\r\n"  // skipped
                 "900000000000000;tope;S;M;51226;o;extra"}},
         {{'R'}}, {"recupera si 900000000000000 0 3", kRecuperados, "3 frecuencias, cambio si"},
         {{kInd, Entrada(7.1, 1) + Entrada(0.000901, 2) + Entrada(900000000.0, 3)}, {kDat, Registro("coma") + Registro("justo") + Registro("tope", "S", "M", "051226", "o")}}},
        {"import fills deleted slots in order and finds what it added",
         {{kInd, Ind({{7.1, 1}, {0, 2}, {7.2, 3}, {0, 4}})}, {kDat, Registro("a") + kBlanco + Registro("b") + kBlanco},
          {kCsv, "8000000;ocho\r\n9000000;nueve\r\n8000000;otra vez\r\n10000000;diez\r\n7200000;siete dos\r\n"}},
         {{'R'}}, {"recupera si 7200000 3 5", kRecuperados, "5 frecuencias, cambio si"},
         {{kInd, Ind({{7.1, 1}, {8, 2}, {7.2, 3}, {9, 4}, {10, 5}})},
          {kDat, Registro("a") + Registro("otra vez") + Registro("siete dos") + Registro("nueve") + Registro("diez")}}},
        {"import rewrites the lowest slot of a frequency stored twice, as a lookup finds it",
         {{kInd, Ind({{7.1, 1}, {7.1, 2}})}, {kDat, Registro("a") + Registro("b")}, {kCsv, "7100000;nuevo\r\n"}},
         {{'R'}}, {"recupera si 7100000 1 0", kRecuperados, "2 frecuencias, cambio no"}, {{kDat, Registro("nuevo") + Registro("b")}}},
        {"import of huge and odd lines", {{kCsv, std::string(100000, 'z') + "\r\n" + std::string(100000, '9') + ";x\r\n" + std::string("7100000;\x81\x00;b", 12)}},
         {{'R'}}, {"recupera si 7100000 0 1", kRecuperados, "1 frecuencias, cambio si"}, {{kInd, Entrada(7.1, 1)}, {kDat, Registro(std::string("\x81\x00", 2), "b")}}},
        {"import into a full index goes on and counts what did not fit",
         {{kInd, Slots(4999)}, {kCsv, "9000000000;a\r\n9100000000;b\r\n15000000;diez\r\n9200000000;c\r\n"}}, {{'R'}},
         {"recupera si 9200000000 0 5000", kRecuperados + "\n2 frecuencias no añadidas: índice lleno", "5000 frecuencias, cambio si"},
         {{kInd, Slots(4999) + Entrada(9000, 5000)}, {kDat, std::string(2700, '\0') + Registro("diez") + std::string(std::size_t{4989} * 300, '\0') + Registro("a")}}},
        {"an exchange file that is missing", {{kInd, Entrada(7.1, 1)}, {kDat, Registro("uno")}}, {{'R'}}, {"recupera no 0 0 0", "!Recuperar datos|No se puede leer vyr.csv", "1 frecuencias, cambio no"}},
        {"an exchange file that is a folder", {{kInd, Entrada(7.1, 1)}, {kDat, Registro("uno")}, {kCsv, "<carpeta>"}}, {{'R'}, {'S'}},
         {"recupera no 0 0 0", "!Recuperar datos|No se puede leer vyr.csv", "salva no", "!Salvar datos|No se puede escribir vyr.csv\nEn su lugar hay una carpeta.", "1 frecuencias, cambio no"}},
        // A sorted store has its records in no particular order. Lines that only
        // rewrite go out as writes of the span they cover, 850 records at most
        // each, when it is not much more than their records; otherwise, and
        // whenever a line adds, one write per run of records in line order.
        {"import: every record rewritten", {{kInd, Ind({{1, 3}, {2, 1}, {3, 4}, {4, 2}})}, {kDat, Datos(4)}, {kCsv, "1000000;uno\r\n2000000;dos\r\n3000000;tres\r\n4000000;cuatro\r\n"}},
         {{'R'}}, {"recupera si 4000000 4 0", kRecuperados, "4 frecuencias, cambio no"},
         {{kDat, Datos(4, {{1, Registro("dos")}, {2, Registro("cuatro")}, {3, Registro("uno")}, {4, Registro("tres")}})}}, {{kDat, 0, 1200}}, 1},
        {"import: a record named twice, the later line wins, the one between is kept",
         {{kInd, Ind({{1, 3}, {2, 1}, {3, 4}, {4, 2}})}, {kDat, Datos(4)}, {kCsv, "2000000;antes\r\n1000000;uno\r\n2000000;despues\r\n"}},
         {{'R'}}, {"recupera si 2000000 2 0", kRecuperados, "4 frecuencias, cambio no"},
         {{kDat, Datos(4, {{1, Registro("despues")}, {3, Registro("uno")}})}}, {{kDat, 0, 900}}, 1},
        {"import: a span that starts past the first record writes that span and no further",
         {{kInd, Ind({{1, 1}, {2, 4}, {3, 3}, {4, 2}, {5, 5}})}, {kDat, Datos(5)}, {kCsv, "2000000;dos\r\n3000000;tres\r\n4000000;cuatro\r\n"}},
         {{'R'}}, {"recupera si 4000000 4 0", kRecuperados, "5 frecuencias, cambio no"},
         {{kDat, Datos(5, {{2, Registro("cuatro")}, {3, Registro("tres")}, {4, Registro("dos")}})}}, {{kDat, 300, 900}}, 1},
        {"import: a short list into a big store writes only its records",
         {{kInd, Ind({{1, 20}, {2, 19}, {3, 18}, {4, 17}, {5, 16}, {6, 15}, {7, 14}, {8, 13}, {9, 12}, {10, 11}, {11, 10}, {12, 9}, {13, 8}, {14, 7}, {15, 6}, {16, 5}, {17, 4}, {18, 3}, {19, 2}, {20, 1}})},
          {kDat, Datos(20)}, {kCsv, "20000000;veinte\r\n1000000;uno\r\n"}},
         {{'R'}}, {"recupera si 1000000 1 0", kRecuperados, "20 frecuencias, cambio no"},
         {{kDat, Datos(20, {{1, Registro("veinte")}, {20, Registro("uno")}})}}, {{kDat, 0, 300}, {kDat, 5700, 300}}, 1},
        {"import: rewrites of more records than a run holds go out run after run in the data file's order, the one between kept",
         {{kInd, mil}, {kDat, Datos(1000)}, {kCsv, milCsv}}, {{'R'}}, {"recupera si 999000000 999 0", kRecuperados, "1000 frecuencias, cambio no"},
         {{kDat, Datos(1000, milNuevos)}}, {{kDat, 300, 255000}, {kDat, 255300, 44700}}, 1},
        {"import: with a new line, the new record first, then line order",
         {{kInd, Ind({{1, 3}, {2, 1}, {3, 4}, {4, 2}})}, {kDat, Datos(4)}, {kCsv, "1000000;uno\r\n9000000;nueva\r\n2000000;dos\r\n"}},
         {{'R'}}, {"recupera si 2000000 2 5", kRecuperados, "5 frecuencias, cambio si"},
         {{kInd, Ind({{1, 3}, {2, 1}, {3, 4}, {4, 2}, {9, 5}})}, {kDat, Datos(4, {{1, Registro("dos")}, {3, Registro("uno")}}) + Registro("nueva")}},
         {{kDat, 1200, 300}, {kDat, 600, 300}, {kInd, 40, 10}, {kDat, 0, 300}}, 3},
        // Damage: records out of range, shared, NaN and infinite frequencies. Nothing is ever written outside a record's own place.
        {"a damaged index",
         {{kInd, Ind({{1, 0}, {2, 6000}, {nan, 3}, {4, 4}, {5, 4}, {-6, -2}, {inf, 5000}, {0, 8}, {9, 8}}) + std::string("\x81\x00", 2)},
          {kDat, Registro("tres") + Registro(std::string("\x81\x00x", 3))},
          {kCsv, "4000000;cuatro\r\n5000000;cinco\r\n11000000;once bis\r\n12000000;doce\r\n"}},
         {{'M', 1}, {'M', 2}, {'M', 4}, {'M', 5}, {'M', 9}, {'M', inf, {"infinita"}}, {'L', 6000}, {'L', 0}, {'B', 4}, {'A', 11, {"once"}}, {'R'}, {'F', 11}, {'F', 12}, {'O'}},
         {"modifica no", danado(0), "modifica no", danado(6000), "modifica no", danado(4), "modifica no", danado(4), "modifica no", danado(8), "modifica si",
          "lee si ", "lee si ", "borra no", danado(4), "alta 10", "recupera si 12000000 0 11", kRecuperados + "\n2 líneas no aplicadas: registro dañado",
          "busca 10 once bis", "busca 11 doce", "ordena si", "11 frecuencias, cambio no"},
         {{kInd, "*"}, {kDat, Registro("tres") + Registro(std::string("\x81\x00x", 3)) + std::string(2100, '\0') + Registro("once bis") + Registro("doce") +
                    std::string(std::size_t{4988} * 300, '\0') + Registro("infinita")}}},
        // A disk or a folder that refuses.
        {"read-only files refuse every write with a message", {{kInd, Entrada(7.1, 1) + Entrada(3.0, 2)}, {kDat, Registro("uno") + Registro("dos")}},
         {{'A', 9, {"dos"}}, {'B', 7.1}, {'O'}, {'S'}},
         {"alta no", "!VYR|No se puede escribir datos.vyr\nEl fichero o el disco es de solo lectura.", "borra no",
          "!VYR|No se puede escribir frecuencias.vyr\nEl fichero o el disco es de solo lectura.", "ordena no", kSinPermiso,
          "salva si", kSinPermiso, kSalvados, "2 frecuencias, cambio si"},  // it could not sort: in slot order
         {{kCsv, "7100000;uno;;;;\r\n3000000;dos;;;;\r\n"}}, {}, 0, Entorno::SoloLectura},
        {"a folder without write permission is named as the cause", {}, {},
         {"arranca no", "!VYR|No se puede crear frecuencias.vyr en la carpeta $DIR\nNo hay permiso de escritura."}, {}, {}, 0, Entorno::CarpetaCerrada},
        {"the sort cannot put its new index beside the old one", {{kInd, Entrada(7.1, 1) + Entrada(3.0, 2)}, {kDat, Registro("uno") + Registro("dos")}}, {{'O'}},
         {"ordena no", "!VYR|No se puede escribir en la carpeta $DIR\nNo hay permiso de escritura.", "2 frecuencias, cambio si"}, {}, {}, 0, Entorno::CarpetaCerrada},
        {"a full disk", {{kDat, "<lleno>"}}, {{'A', 7.1, {"uno"}}},
         {"alta no", "!VYR|No se puede escribir datos.vyr\nNo queda espacio en el disco.", "0 frecuencias, cambio no"}, {{kInd, ""}}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        m.reset();
        BorraCarpeta(dir);
        dir = CarpetaTemporal();
        Ficheros esperados = c.antes;
        for (const auto& [n, b] : c.antes) {
            if (b == "<carpeta>") std::filesystem::create_directory(Ruta(n));
            else if (b == "<bucle>") std::filesystem::create_symlink(n, Ruta(n));
            else if (b == "<lleno>") std::filesystem::create_symlink("/dev/full", Ruta(n));
            else Pon(n, b);
            if (b.starts_with("<")) esperados.erase(n);
        }
        for (const auto& [n, b] : c.despues) b == "-" ? void(esperados.erase(n)) : void(esperados[n] = b);
        if (c.entorno == Entorno::SoloLectura || c.entorno == Entorno::CarpetaCerrada) {
            for (const auto& [n, b] : c.antes) chmod(Ruta(n).c_str(), c.entorno == Entorno::SoloLectura ? 0444 : 0666);
            chmod(dir.c_str(), c.entorno == Entorno::SoloLectura ? 0777 : 0555);
            // Root ignores permissions: the files are opened as an ordinary user.
            setfsgid(65534);
            setfsuid(65534);
        }
        const std::vector<std::string> dice = Ejecuta(c.pasos);
        setfsuid(getuid());
        setfsgid(getgid());
        std::vector<std::string> esperado = c.dice;
        for (auto& l : esperado)
            if (const auto p = l.find("$DIR"); p != std::string::npos) l.replace(p, 4, dir);
        EXPECT_EQ(dice, esperado);
        Ficheros quedan;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(dir))
            if (e.is_regular_file(ec)) quedan[e.path().filename()] = esperados[e.path().filename()] == "*" ? "*" : Bytes(e.path().filename());
        EXPECT_EQ(quedan, esperados);
        if (!c.escrituras.empty()) {
            EXPECT_EQ(fs.escrituras, c.escrituras);
            EXPECT_EQ(fs.syncs, c.syncs);
        }
    }
}

TEST(StoreMessages, EveryUsualFileErrorHasItsOwnSpanishReason) {
    std::set<std::string> vistos;
    for (int err : {EISDIR, ENOTDIR, EROFS, ELOOP, EACCES, ENOSPC, EIO, EDQUOT, EFBIG}) {
        EXPECT_FALSE(textos::Motivo(err).starts_with("Error del sistema")) << err;
        EXPECT_TRUE(vistos.insert(textos::Motivo(err)).second) << err;
    }
    // The append past the file size limit fails like a full disk, with this reason.
    EXPECT_EQ(textos::Motivo(EFBIG), "El fichero ha alcanzado su tamaño máximo.");
}

}  // namespace
}  // namespace vyr::test
