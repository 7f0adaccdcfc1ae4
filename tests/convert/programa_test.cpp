// The program as a user runs it: exit status, messages, and what is left on
// disk in every case; the command line, and the manual page held to both.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include "convert/conversion.h"
#include "convert/ficheros.h"
#include "convert/mensajes.h"
#include "convert/opciones.h"
#include "support/store_fixture.h"

namespace vyr::conv {
namespace {

using F = Formato;
using test::EscribeFichero, test::LeeFichero;
namespace fs = std::filesystem;

const std::string kFormatosDichos = "gqrx, sdrpp, chirp, eibi y vyr";

const std::string kGqrx =
    "# Tag name          ;  color\nSP                  ; #c0c0c0\n\n"
    "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
    "   148762500; B09 P\xC5\x82o\xC5\x84sk               ; Narrow FM           ;      10000; SP\n"
    "   148762500; Twice                    ; Narrow FM           ;      10000; SP\n"
    "        abc ; Not a number             ; AM                  ;      10000; SP\n"
    "   118300000; EPWA TWR                 ; AM                  ;      10000; Air Civ\n";
const std::string kDos = "7100000;Radio;BC;AM;051226;\r\n# Frequency ; Name ; Modulation ; Bandwidth; Tags\r\n";
const std::string kVyr =
    "118300000;EPWA TWR;Air Civ;AM;;BW 10 kHz\r\n148762500;B09 Plonsk;SP;NFM;;BW 10 kHz / Twice\r\n";

struct Ejecucion { int estado; std::string salida, errores; };

// vyr-convertir run as a user would, entrada on its standard input: its exit
// status, standard output and error.
Ejecucion Ejecuta(const std::vector<std::string>& args, const std::string& entrada = "") {
    QStringList a;
    for (const auto& t : args) a << QString::fromStdString(t);
    QProcess p;
    p.start(VYR_CONVERTIR, a);
    p.write(entrada.data(), qint64(entrada.size()));
    p.closeWriteChannel();
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

// The names in a folder, in order.
std::string Listado(const std::string& dir) {
    std::set<std::string> r;
    for (const auto& e : fs::directory_iterator(dir)) r.insert(e.path().filename().string());
    std::string t;
    for (const auto& n : r) t += n + " ";
    return t;
}

// Whether t is the pattern, each "…" in it standing for any text.
bool Encaja(const std::string& t, const std::string& patron) {
    QStringList piezas = QString::fromStdString(patron).split(QString::fromUtf8("…"));
    for (QString& p : piezas) p = QRegularExpression::escape(p);
    const QRegularExpression re(QRegularExpression::anchoredPattern(piezas.join(".*")),
                                QRegularExpression::DotMatchesEverythingOption);
    return re.match(QString::fromStdString(t)).hasMatch();
}

// Each run in a folder of its own, "@" in the arguments and the texts standing
// for that folder: its status, its messages whole, and every file as it was
// but the one named, which now holds the list converted; nodes that are not
// files, and links to them, are left as they were even with --forzar.
TEST(Programa, EveryRunLeavesTheFolderAsItSays) {
    struct Caso {
        std::vector<std::string> args;
        int estado;
        std::string errores, cambiado = "", entrada = "", salida = "";  // salida: how standard output starts
    };
    const std::string cuentas =
        "  línea 7: descartada: la frecuencia \"abc\" no es un número\nFilas leídas: 4\nLíneas escritas: 2\n"
        "Filas fusionadas con otra de la misma frecuencia: 1\nFilas descartadas: 1\n"
        "Filas con acentos u otros caracteres: 1 leídas como UTF-8, 0 como Windows-1252\n"
        "Caracteres transliterados: 2\nCaracteres sin equivalente, escritos como \"?\": 0\n"
        "Caracteres sustituidos (\";\" por \",\", de control por espacio): 0\nCampos cortados: 0\n"
        "Nombres de filas fusionadas que no caben en Observaciones: 0\n";
    const std::string leido = "@/in.csv: formato gqrx (reconocido por el contenido)\n" + cuentas;
    const auto bien = [&](const std::string& a) { return leido + "Escrito @/" + a + ".\n"; };
    const auto mal = [](const std::string& t) { return "vyr-convertir: " + t + "\n"; };
    const auto uso = [&](const std::string& t) { return mal(t + "\nUse --ayuda para ver el uso."); };
    const auto hacia = [&](const std::string& de, const std::string& a) {
        return mal("no se convierte de " + de + " a " + a +
                   ": a gqrx y a sdrpp solo desde vyr. Convierta antes a vyr y luego de vyr a " + a + ".");
    };
    const auto nodo = [&](const std::string& n) {
        return mal("@/" + n + " no es un fichero normal (una carpeta, un dispositivo...); no se ha tocado. Para la "
                   "salida estándar, use -.");
    };
    const Caso casos[] = {
        {{"@/in.csv", "@/vyr.csv"}, 0, bien("vyr.csv"), "vyr.csv"},
        {{"--de", "gqrx", "-", "-"}, 0,
         "-: formato gqrx (indicado con --de)\n" + cuentas + "Escrito en la salida estándar.\n", "", kGqrx, kVyr},
        {{"@/in.csv", "@/out.csv"}, 2, mal("@/out.csv ya existe; no se ha tocado. Use --forzar para reemplazarlo.")},
        {{"--forzar", "@/in.csv", "@/out.csv"}, 0, bien("out.csv"), "out.csv"},
        {{"--forzar", "@/in.csv", "@/in.csv"}, 0, bien("in.csv"), "in.csv"},  // read whole first
        {{"--forzar", "@/in.csv", "@/enlace.csv"}, 0, bien("enlace.csv"), "lista.csv"},  // and the link stays
        {{"--forzar", "@/in.csv", "@/solo.csv"}, 1, mal("no se puede escribir @/solo.csv: Permission denied")},
        {{"--ayuda"}, 0, "", "", "", "Uso: vyr-convertir [--de FORMATO] [--a FORMATO] [--forzar] ENTRADA SALIDA\n"},
        {{"@/nada.csv", "@/o"}, 1, mal("no se puede leer @/nada.csv: No such file or directory")},
        {{"@", "@/o"}, 1, mal("no se puede leer @: Is a directory")},
        {{"@/dos.csv", "@/o"}, 1,
         mal("el formato de @/dos.csv es ambiguo: podría ser gqrx y vyr. Indíquelo con --de FORMATO.")},
        // Named, the format is read even where the content would fit two.
        {{"--de", "vyr", "@/dos.csv", "-"}, 0, "@/dos.csv: formato vyr (indicado con --de)\n…", "", "",
         kDos.substr(0, 29)},
        {{"@/texto.txt", "@/o"}, 1, mal("no se reconoce el formato de @/texto.txt. Formatos probados: " +
                                        kFormatosDichos + ". Indíquelo con --de FORMATO.")},
        // The rows refused are still listed before the message.
        {{"@/malas.csv", "@/o"}, 1, "@/malas.csv: formato chirp (reconocido por el contenido)\n"
                                    "  línea 2: descartada: la frecuencia 0 Hz está fuera…\n"
                                    "  línea 3: descartada: la frecuencia \"x\" no es un número\n…" +
                                    mal("@/malas.csv no ha dado ninguna línea que escribir. No se ha escrito nada.")},
        {{"--de", "sdrpp", "@/roto.json", "@/o"}, 1,
         mal("@/roto.json no se puede leer como sdrpp: no es JSON válido (…). No se ha escrito nada.")},
        {{"--de", "eibi", "--a", "gqrx", "@/in.csv", "@/o"}, 2, hacia("eibi", "gqrx")},
        {{"--a", "sdrpp", "@/in.csv", "@/o"}, 2, hacia("gqrx", "sdrpp")},
        {{"@/in.csv", "@/no/existe/o"}, 1, leido +
         mal("no se puede escribir @/no/existe/o (en su carpeta): No such file or directory. No se ha escrito nada.")},
        {{"@/in.csv"}, 2, uso("se esperaban ENTRADA y SALIDA, y hay 1 nombre de fichero")},
        {{"@/in.csv", "@/"}, 2, nodo("")}, {{"--forzar", "@/in.csv", "@/a-tubo"}, 2, nodo("a-tubo")},
        {{"--forzar", "@/in.csv", "@/dispositivo"}, 2, nodo("dispositivo")},
    };
    const std::pair<std::string, std::string> ficheros[] = {
        {"in.csv", kGqrx}, {"out.csv", "old"}, {"lista.csv", "old"}, {"solo.csv", "old"},
        {"texto.txt", "una lista cualquiera\n"}, {"malas.csv", "Location,Name,Frequency\r\n1,A,0\r\n2,B,x\r\n"},
        {"roto.json", "{\"lists\": {\"A\": }"}, {"dos.csv", kDos}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        const std::string dir = test::CarpetaTemporal(), d = dir + "/";
        const auto en = [&](const std::string& t) {
            return QString::fromStdString(t).replace('@', QString::fromStdString(dir)).toStdString();
        };
        for (const auto& [n, t] : ficheros) EscribeFichero(d + n, t);
        ::chmod((d + "solo.csv").c_str(), 0444);
        fs::create_symlink("lista.csv", d + "enlace.csv");
        ASSERT_EQ(::mkfifo((d + "tubo").c_str(), 0600), 0);
        fs::create_symlink("tubo", d + "a-tubo");
        // Only nodes made here: a character device of our own where the system lets us make one.
        const bool dispositivo = ::mknod((d + "dispositivo").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
        const std::string& salida = c.args.back();
        if ((salida == "@/dispositivo" && !dispositivo) || (salida == "@/solo.csv" && ::geteuid() == 0)) {
            std::cout << "[   INFO   ] no device node can be made here, or root writes through any file mode: "
                      << salida << " is not run\n";
            test::BorraCarpeta(dir);
            continue;
        }
        const std::string antes = Listado(dir) + (test::Existe(d + c.cambiado) ? "" : c.cambiado + " ");
        std::vector<std::string> args;
        for (const auto& a : c.args) args.push_back(en(a));
        const auto e = Ejecuta(args, c.entrada);
        EXPECT_EQ(e.estado, c.estado);
        EXPECT_TRUE(Encaja(e.errores, en(c.errores))) << e.errores;
        EXPECT_TRUE(c.salida.empty() ? e.salida.empty() : e.salida.starts_with(c.salida)) << e.salida;
        for (const auto& [n, t] : ficheros) EXPECT_EQ(LeeFichero(d + n), n == c.cambiado ? kVyr : t) << n;
        if (!c.cambiado.empty()) {
            EXPECT_EQ(LeeFichero(d + c.cambiado), kVyr);  // vyr.csv, new, is not in the list above
        }
        EXPECT_EQ(Listado(dir), antes);
        EXPECT_TRUE(fs::is_symlink(d + "enlace.csv") && fs::is_symlink(d + "a-tubo") && fs::is_fifo(d + "a-tubo"));
        EXPECT_TRUE(!dispositivo || fs::is_character_file(d + "dispositivo"));
        test::BorraCarpeta(dir);
    }
}

// The file written beside SALIDA is the converter's own: not the store's
// "vyr.csv.nuevo" that VYR's start-up removes and its export writes, and a
// file or link already under that name is neither followed nor removed.
TEST(Programa, TemporaryFileIsTheConvertersOwn) {
    EXPECT_EQ(NombreTemporal("vyr.csv", 4321, 0), ".vyr.csv.vyr-convertir-4321");
    EXPECT_EQ(NombreTemporal("vyr.csv", 4321, 2), ".vyr.csv.vyr-convertir-4321-2");
    EXPECT_NE(NombreTemporal("vyr.csv", 4321, 0), NombreNuevo("vyr.csv"));
    const std::string dir = test::CarpetaTemporal();
    EscribeFichero(dir + "/otro", "otro");
    EscribeFichero(dir + "/vyr.csv.nuevo", "de VYR");
    const std::string ocupado = NombreTemporal("vyr.csv", int(::getpid()), 0);
    fs::create_symlink("otro", dir + "/" + ocupado);
    ASSERT_FALSE(EscribeSalida(dir + "/vyr.csv", "1000;a;;;;\r\n"));
    EXPECT_EQ(LeeFichero(dir + "/vyr.csv") + LeeFichero(dir + "/otro") + LeeFichero(dir + "/vyr.csv.nuevo"),
              "1000;a;;;;\r\notrode VYR");
    EXPECT_TRUE(fs::is_symlink(dir + "/" + ocupado));
    EXPECT_EQ(Listado(dir), ocupado + " otro vyr.csv vyr.csv.nuevo ");
    // VYR starting in that folder clears its own leftover, not ours.
    test::FakeMessageService msg;
    Modulo m(dir, msg);
    ASSERT_TRUE(m.Arranca());
    EXPECT_FALSE(test::Existe(dir + "/vyr.csv.nuevo"));
    EXPECT_TRUE(fs::is_symlink(dir + "/" + ocupado));
    test::BorraCarpeta(dir);
}

// What was read, as "de>a [forzar] [ayuda] [entrada] [salida]", or the error.
std::string Leido(const LecturaOpciones& r) {
    if (!r.opciones) return r.error.empty() ? "sin opciones ni error" : r.error;
    const Opciones& o = *r.opciones;
    return (o.de ? std::string(Nombre(*o.de)) : "-") + ">" + std::string(Nombre(o.a)) + (o.forzar ? " forzar" : "") +
           (o.ayuda ? " ayuda" : "") + " [" + o.entrada + "] [" + o.salida + "]" + (r.error.empty() ? "" : r.error);
}

TEST(Programa, CommandLine) {
    const std::string vacio = "un nombre de fichero está vacío; para la entrada o la salida estándar, use -";
    const struct { std::vector<std::string> args; std::string leido; } casos[] = {
        {{"a.csv", "vyr.csv"}, "->vyr [a.csv] [vyr.csv]"}, {{"--de", "gqrx", "a", "b"}, "gqrx>vyr [a] [b]"},
        {{"--de=EIBI", "--a=vyr", "a", "-"}, "eibi>vyr [a] [-]"},
        {{"-", "--a", "sdrpp", "--forzar", "b"}, "->sdrpp forzar [-] [b]"},
        {{"--", "--forzar", "b"}, "->vyr [--forzar] [b]"}, {{"--ayuda"}, "->vyr ayuda [] []"},
        {{"a", "--ayuda", "--forzar"}, "->vyr forzar ayuda [] []"},
        {{}, "se esperaban ENTRADA y SALIDA, y hay 0 nombres de fichero"},
        {{"a", "b", "c"}, "se esperaban ENTRADA y SALIDA, y hay 3 nombres de fichero"},
        {{"--de", "csv", "a", "b"}, "formato desconocido: \"csv\" (son " + kFormatosDichos + ")"},
        {{"a", "b", "--de"}, "falta el formato después de --de"},
        {{"--force", "a", "b"}, "opción desconocida: --force"},
        {{"-f", "a", "b"}, "opción desconocida: -f"}, {{"a", ""}, vacio}, {{"", "b"}, vacio},
    };
    for (const auto& c : casos) EXPECT_EQ(Leido(LeeOpciones(c.args)), c.leido) << c.leido;
}

// The manual page says what the program does: the options it lists are the
// ones the command line takes and the usage shows, its formats are the
// program's, and its exit statuses are the three the program gives. Read: the
// word after ".B" or ".BI" on the line after each ".TP", per section, with
// roff's "\-" as "-".
TEST(Programa, ManualAgreesWithTheProgram) {
    const QString manual = QString::fromStdString(LeeFichero(VYR_MANUAL)).replace("\\-", "-");
    const QRegularExpression tp(R"(^\.TP\n\.BI? (\S+))", QRegularExpression::MultilineOption);
    std::map<std::string, std::vector<std::string>> e;
    for (const QString& seccion : manual.split("\n.SH ")) {
        for (const auto& m : tp.globalMatch(seccion))
            e[seccion.section('\n', 0, 0).toStdString()].push_back(m.captured(1).toStdString());
    }
    const std::vector<std::string> opciones = {"--de", "--a", "--forzar", "--ayuda", "--"};
    EXPECT_EQ(e["OPCIONES"], opciones);
    // The command line takes each (its table above has a row for every one); the usage shows them.
    for (const auto& o : opciones)
        EXPECT_TRUE(o == "--" || std::string(textos::kUso).find("  " + o + " ") != std::string::npos) << o;
    std::vector<std::string> formatos;
    for (F f : kFormatos) formatos.emplace_back(Nombre(f));
    EXPECT_EQ(e["FORMATOS"], formatos);
    EXPECT_EQ(e["\"ESTADO DE SALIDA\""], (std::vector<std::string>{"0", "1", "2"}));
}

}  // namespace
}  // namespace vyr::conv
