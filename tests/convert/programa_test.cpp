// The program as a user runs it: exit status, messages, and what is left on
// disk in every case.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "convert/ficheros.h"
#include "convert/programa.h"
#include "support/store_fixture.h"

namespace vyr::test {
namespace {

const std::string kGqrx =
    "# Tag name          ;  color\nSP                  ; #c0c0c0\n\n"
    "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
    "   148762500; B09 P\xC5\x82o\xC5\x84sk               ; Narrow FM           ;      10000; SP\n"
    "   148762500; Twice                    ; Narrow FM           ;      10000; SP\n"
    "        abc ; Not a number             ; AM                  ;      10000; SP\n"
    "   118300000; EPWA TWR                 ; AM                  ;      10000; Air Civ\n";

class Programa : public ::testing::Test {
protected:
    void SetUp() override { dir = CarpetaTemporal(); }
    void TearDown() override { BorraCarpeta(dir); }
    std::string R(const std::string& n) const { return dir + "/" + n; }
    std::vector<std::string> Ficheros() const {
        std::vector<std::string> r;
        for (const auto& e : std::filesystem::directory_iterator(dir)) r.push_back(e.path().filename().string());
        std::sort(r.begin(), r.end());
        return r;
    }
    std::string dir;
};

TEST_F(Programa, ConvertsReportsEveryRowAndWritesTheFileWhole) {
    EscribeFichero(R("bookmarks.csv"), kGqrx);
    const auto e = Ejecuta({R("bookmarks.csv"), R("vyr.csv")});
    EXPECT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.salida, "");
    EXPECT_EQ(LeeFichero(R("vyr.csv")),
              "118300000;EPWA TWR;Air Civ;AM;;BW 10 kHz\r\n"
              "148762500;B09 Plonsk;SP;NFM;;BW 10 kHz / Twice\r\n");
    EXPECT_EQ(e.errores,
              R("bookmarks.csv") + ": formato gqrx (reconocido por el contenido)\n"
              "  línea 7: descartada: la frecuencia \"abc\" no es un número\n"
              "Filas leídas: 4\n"
              "Líneas escritas: 2\n"
              "Filas fusionadas con otra de la misma frecuencia: 1\n"
              "Filas descartadas: 1\n"
              "Filas con acentos u otros caracteres: 1 leídas como UTF-8, 0 como Windows-1252\n"
              "Caracteres transliterados: 2\n"
              "Caracteres sin equivalente, escritos como \"?\": 0\n"
              "Caracteres sustituidos (\";\" por \",\", de control por espacio): 0\n"
              "Campos cortados: 0\n"
              "Nombres de filas fusionadas que no caben en Observaciones: 0\n"
              "Escrito " + R("vyr.csv") + ".\n");
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"bookmarks.csv", "vyr.csv"}));  // nothing left beside it
}

TEST_F(Programa, StandardInputAndOutput) {
    const auto e = Ejecuta({"--de", "gqrx", "-", "-"}, kGqrx);
    EXPECT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(e.salida.substr(0, 42), "118300000;EPWA TWR;Air Civ;AM;;BW 10 kHz\r\n");
    EXPECT_NE(e.errores.find("-: formato gqrx (indicado con --de)\n"), std::string::npos) << e.errores;
    EXPECT_NE(e.errores.find("Escrito en la salida estándar.\n"), std::string::npos) << e.errores;
}

TEST_F(Programa, ExistingOutputIsKeptWithoutForzar) {
    EscribeFichero(R("in.csv"), kGqrx);
    EscribeFichero(R("out.csv"), "old");
    auto e = Ejecuta({R("in.csv"), R("out.csv")});
    EXPECT_EQ(e.estado, 2);
    EXPECT_EQ(e.errores, "vyr-convertir: " + R("out.csv") +
                             " ya existe; no se ha tocado. Use --forzar para reemplazarlo.\n");
    EXPECT_EQ(LeeFichero(R("out.csv")), "old");
    e = Ejecuta({"--forzar", R("in.csv"), R("out.csv")});
    EXPECT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(LeeFichero(R("out.csv")).substr(0, 9), "118300000");
    // The input itself may be the output: it is read whole first.
    e = Ejecuta({"--forzar", R("out.csv"), R("out.csv")});
    EXPECT_EQ(e.estado, 0) << e.errores;
    EXPECT_EQ(LeeFichero(R("out.csv")).substr(0, 9), "118300000");
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"in.csv", "out.csv"}));
}

TEST_F(Programa, FailuresWriteNothing) {
    EscribeFichero(R("texto.txt"), "una lista cualquiera\n");
    EscribeFichero(R("malas.csv"), "Location,Name,Frequency\r\n1,A,0\r\n2,B,x\r\n");
    EscribeFichero(R("roto.json"), "{\"lists\": {\"A\": }");
    EscribeFichero(R("in.csv"), kGqrx);
    const struct { std::vector<std::string> args; int estado; std::string error; } casos[] = {
        {{R("nada.csv"), R("o")}, 1, "no se puede leer " + R("nada.csv") + ": No such file or directory"},
        {{dir, R("o")}, 1, "no se puede leer " + dir + ": Is a directory"},
        {{R("texto.txt"), R("o")}, 1,
         "no se reconoce el formato de " + R("texto.txt") +
             ". Formatos probados: gqrx, sdrpp, chirp, eibi y vyr. Indíquelo con --de FORMATO."},
        {{R("malas.csv"), R("o")}, 1, R("malas.csv") + " no ha dado ninguna línea que escribir. No se ha escrito nada."},
        {{"--de", "sdrpp", R("roto.json"), R("o")}, 1, R("roto.json") + " no se puede leer como sdrpp: no es JSON"},
        {{"--de", "eibi", "--a", "gqrx", R("in.csv"), R("o")}, 2, "no se convierte de eibi a gqrx"},
        {{"--a", "sdrpp", R("in.csv"), R("o")}, 2, "no se convierte de gqrx a sdrpp"},
        {{R("in.csv"), R("no/existe/o")}, 1, "no se puede escribir " + R("no/existe/o") + " (en su carpeta)"},
        {{R("in.csv"), dir + "/"}, 2, dir + "/ no es un fichero normal (una carpeta, un dispositivo...); no se ha tocado."},
        {{R("in.csv")}, 2, "se esperaban ENTRADA y SALIDA, y hay 1 nombre de fichero\nUse --ayuda para ver el uso."},
        {{"--de", "xml", R("in.csv"), R("o")}, 2, "formato desconocido: \"xml\""},
        {{"-x", R("in.csv"), R("o")}, 2, "opción desconocida: -x"},
    };
    for (const auto& c : casos) {
        const auto e = Ejecuta(c.args);
        EXPECT_EQ(e.estado, c.estado) << c.args[0] << "\n" << e.errores;
        EXPECT_NE(e.errores.find("vyr-convertir: " + c.error), std::string::npos) << e.errores;
        EXPECT_EQ(e.salida, "");
        EXPECT_FALSE(Existe(R("o"))) << c.args[0];
        EXPECT_TRUE(std::filesystem::is_directory(dir));
    }
    // The rows refused are still listed before the message.
    const auto e = Ejecuta({R("malas.csv"), R("o")});
    EXPECT_NE(e.errores.find("  línea 2: descartada: la frecuencia 0 Hz está fuera"), std::string::npos) << e.errores;
    EXPECT_NE(e.errores.find("  línea 3: descartada: la frecuencia \"x\" no es un número"), std::string::npos);
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"in.csv", "malas.csv", "roto.json", "texto.txt"}));
}

// Only nodes made here, in the test's own folder: a device, a pipe, a folder,
// and links to them, each left as it was even with --forzar.
TEST_F(Programa, ForzarNeverRenamesOverADeviceAFolderOrAPipe) {
    EscribeFichero(R("in.csv"), kGqrx);
    ASSERT_EQ(::mkfifo(R("tubo").c_str(), 0600), 0);
    std::filesystem::create_directory(R("carpeta"));
    std::filesystem::create_symlink("tubo", R("a-tubo"));
    std::filesystem::create_symlink("carpeta", R("a-carpeta"));
    std::vector<std::pair<std::string, mode_t>> nodos = {
        {"tubo", S_IFIFO}, {"carpeta", S_IFDIR}, {"a-tubo", S_IFIFO}, {"a-carpeta", S_IFDIR}};
    // A character device of our own where the system lets us make one.
    if (::mknod(R("dispositivo").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        nodos.push_back({"dispositivo", S_IFCHR});
    else
        std::cout << "[   INFO   ] no device node can be made here; the device row is not run\n";
    const auto antes = Ficheros();
    for (const auto& [nombre, tipo] : nodos) {
        const auto e = Ejecuta({"--forzar", R("in.csv"), R(nombre)});
        EXPECT_EQ(e.estado, 2) << nombre;
        EXPECT_EQ(e.errores, "vyr-convertir: " + R(nombre) +
                                 " no es un fichero normal (una carpeta, un dispositivo...); no se ha tocado. "
                                 "Para la salida estándar, use -.\n");
        struct stat st {};
        ASSERT_EQ(::stat(R(nombre).c_str(), &st), 0) << nombre;
        EXPECT_EQ(st.st_mode & S_IFMT, tipo) << nombre;
    }
    EXPECT_TRUE(std::filesystem::is_empty(R("carpeta")));
    EXPECT_EQ(Ficheros(), antes);
}

// The file written beside SALIDA is the converter's own: not the store's
// "vyr.csv.nuevo" that VYR's start-up removes and its export writes, and a
// file or link already under that name is neither followed nor removed.
TEST_F(Programa, TemporaryFileIsTheConvertersOwn) {
    EXPECT_EQ(conv::NombreTemporal("vyr.csv", 4321, 0), ".vyr.csv.vyr-convertir-4321");
    EXPECT_EQ(conv::NombreTemporal("vyr.csv", 4321, 2), ".vyr.csv.vyr-convertir-4321-2");
    EXPECT_NE(conv::NombreTemporal("vyr.csv", 4321, 0), NombreNuevo("vyr.csv"));

    EscribeFichero(R("otro"), "otro");
    EscribeFichero(R("vyr.csv.nuevo"), "de VYR");
    const std::string ocupado = conv::NombreTemporal("vyr.csv", int(::getpid()), 0);
    std::filesystem::create_symlink("otro", R(ocupado));
    ASSERT_FALSE(conv::EscribeSalida(R("vyr.csv"), "1000;a;;;;\r\n"));
    EXPECT_EQ(LeeFichero(R("vyr.csv")), "1000;a;;;;\r\n");
    EXPECT_EQ(LeeFichero(R("otro")), "otro");
    EXPECT_EQ(LeeFichero(R("vyr.csv.nuevo")), "de VYR");
    EXPECT_TRUE(std::filesystem::is_symlink(R(ocupado)));
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{ocupado, "otro", "vyr.csv", "vyr.csv.nuevo"}));

    // VYR starting in that folder clears its own leftover, not ours.
    FakeMessageService msg;
    Modulo m(dir, msg);
    ASSERT_TRUE(m.Arranca());
    EXPECT_FALSE(Existe(R("vyr.csv.nuevo")));
    EXPECT_TRUE(std::filesystem::is_symlink(R(ocupado)));
}

TEST_F(Programa, ThroughALinkTheFileIsReplacedAndTheLinkStays) {
    EscribeFichero(R("in.csv"), kGqrx);
    EscribeFichero(R("lista.csv"), "old");
    std::filesystem::create_symlink("lista.csv", R("enlace.csv"));
    const auto e = Ejecuta({"--forzar", R("in.csv"), R("enlace.csv")});
    EXPECT_EQ(e.estado, 0) << e.errores;
    EXPECT_TRUE(std::filesystem::is_symlink(R("enlace.csv")));
    EXPECT_EQ(LeeFichero(R("lista.csv")).substr(0, 9), "118300000");
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"enlace.csv", "in.csv", "lista.csv"}));
}

TEST_F(Programa, ReadOnlyOutputIsNotReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes through any file mode";
    EscribeFichero(R("in.csv"), kGqrx);
    EscribeFichero(R("out.csv"), "old");
    ::chmod(R("out.csv").c_str(), 0444);
    const auto e = Ejecuta({"--forzar", R("in.csv"), R("out.csv")});
    EXPECT_EQ(e.estado, 1);
    EXPECT_NE(e.errores.find("no se puede escribir " + R("out.csv") + ": Permission denied"), std::string::npos);
    EXPECT_EQ(LeeFichero(R("out.csv")), "old");
}

TEST_F(Programa, HelpGoesToStandardOutput) {
    const auto e = Ejecuta({"--ayuda"});
    EXPECT_EQ(e.estado, 0);
    EXPECT_TRUE(e.salida.starts_with("Uso: vyr-convertir [--de FORMATO] [--a FORMATO] [--forzar] ENTRADA SALIDA\n"))
        << e.salida;
    EXPECT_EQ(e.errores, "");
}

}  // namespace
}  // namespace vyr::test
