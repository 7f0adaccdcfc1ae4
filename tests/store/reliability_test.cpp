// What the store does with damaged files, full disks, read-only files and a
// full index: it tells the user, writes nothing outside a record's own place,
// and never crashes.
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/store_fixture.h"
#include "store/store_messages.h"

namespace vyr::test {
namespace {

constexpr std::size_t kRegistro = 300;  // bytes of a data record

// Runs f in a child process as an ordinary user (root ignores file
// permissions); the child's exit code is the number of failed checks.
int EnHijo(const std::function<int()>& f, bool comoNadie = true) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (comoNadie && getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(100);
        _exit(f());
    }
    int st = 0;
    waitpid(pid, &st, 0);
    return WIFEXITED(st) ? WEXITSTATUS(st) : 200;
}

#define CHECK_HIJO(cond) \
    do { if (!(cond)) { fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); ++fallos; } } while (0)

TEST_F(StoreTest, ReadOnlyFilesRefuseEveryWriteWithAMessage) {
    const std::string ind = Entrada(7.1, 1) + Entrada(3.0, 2), dat = Registro("uno") + Registro("dos");
    Pon("frecuencias.vyr", ind);
    Pon("datos.vyr", dat);
    chmod(Ruta("frecuencias.vyr").c_str(), 0444);
    chmod(Ruta("datos.vyr").c_str(), 0444);
    chmod(dir.c_str(), 0777);  // the folder is writable, the files are not
    const int fallidas = EnHijo([&] {
        int fallos = 0;
        FakeMessageService avisos;
        Modulo st(dir, avisos);
        CHECK_HIJO(st.Arranca());
        st.FrecActual = 9.0;
        st.BuscaFrecuencia();
        CHECK_HIJO(!st.AltaRegistro("dos", "", "", "", ""));
        CHECK_HIJO(avisos.vistos.size() == 1 && avisos.vistos[0].texto.starts_with("No se puede escribir datos.vyr") &&
                   avisos.vistos[0].titulo == "VYR" && avisos.vistos[0].icono == ui::Icono::Critico);
        CHECK_HIJO(st.NumFrec == 2 && st.TablaFrec[1] == 7.1 && !st.CambioIndice);
        st.FrecActual = 7.1;
        CHECK_HIJO(!st.BorraRegistro());
        CHECK_HIJO(avisos.vistos.size() == 2 && avisos.vistos[1].texto.starts_with("No se puede escribir frecuencias.vyr"));
        CHECK_HIJO(st.TablaFrec[1] == 7.1);
        st.CambioIndice = true;
        CHECK_HIJO(!st.OrdenaIndice());  // a rename would replace the read-only file
        CHECK_HIJO(st.TablaFrec[1] == 7.1 && st.TablaFrec[2] == 3.0);
        CHECK_HIJO(st.SalvarDatos());  // in slot order, since it could not sort
        return fallos;
    });
    EXPECT_EQ(fallidas, 0);
    EXPECT_EQ(Bytes("frecuencias.vyr"), ind);
    EXPECT_EQ(Bytes("datos.vyr"), dat);
    EXPECT_EQ(Bytes("vyr.csv"), "7100000;uno;;;;\r\n3000000;dos;;;;\r\n");
    EXPECT_FALSE(Existe(Ruta("frecuencias.vyr.nuevo")));
}

TEST_F(StoreTest, AFolderWithoutWritePermissionIsNamedAsTheCause) {
    chmod(dir.c_str(), 0555);
    int fallidas = EnHijo([&] {
        int fallos = 0;
        FakeMessageService avisos;
        Modulo st(dir, avisos);
        CHECK_HIJO(!st.Arranca());
        CHECK_HIJO(avisos.vistos.size() == 1 &&
                   avisos.vistos[0].texto == "No se puede crear frecuencias.vyr en la carpeta " + dir +
                                                 "\nNo hay permiso de escritura.");
        return fallos;
    });
    EXPECT_EQ(fallidas, 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir));

    // The files are writable, the folder is not: the sort cannot put its new
    // index beside the old one, and says where the trouble is.
    chmod(dir.c_str(), 0777);
    const std::string ind = Entrada(7.1, 1) + Entrada(3.0, 2);
    Pon("frecuencias.vyr", ind);
    Pon("datos.vyr", Registro("uno") + Registro("dos"));
    chmod(Ruta("frecuencias.vyr").c_str(), 0666);
    chmod(Ruta("datos.vyr").c_str(), 0666);
    chmod(dir.c_str(), 0555);
    fallidas = EnHijo([&] {
        int fallos = 0;
        FakeMessageService avisos;
        Modulo st(dir, avisos);
        CHECK_HIJO(st.Arranca());
        st.CambioIndice = true;
        CHECK_HIJO(!st.OrdenaIndice() && st.CambioIndice);
        CHECK_HIJO(avisos.vistos.size() == 1 &&
                   avisos.vistos[0].texto == "No se puede escribir en la carpeta " + dir +
                                                 "\nNo hay permiso de escritura.");
        CHECK_HIJO(st.TablaFrec[1] == 7.1);
        return fallos;
    });
    EXPECT_EQ(fallidas, 0);
    EXPECT_EQ(Bytes("frecuencias.vyr"), ind);
}

TEST_F(StoreTest, FileSizeLimitRefusesTheAppend) {
    Pon("frecuencias.vyr", Entrada(7.1, 1));
    Pon("datos.vyr", Registro("uno"));
    const int fallidas = EnHijo([&] {
        int fallos = 0;
        signal(SIGXFSZ, SIG_IGN);
        rlimit lim{300, 300};
        setrlimit(RLIMIT_FSIZE, &lim);
        FakeMessageService avisos;
        Modulo st(dir, avisos);
        CHECK_HIJO(st.Arranca());
        st.FrecActual = 9.0;
        st.BuscaFrecuencia();
        CHECK_HIJO(!st.AltaRegistro("dos", "", "", "", ""));
        CHECK_HIJO(avisos.vistos.size() == 1 &&
                   avisos.vistos[0].texto == "No se puede escribir datos.vyr\nEl fichero ha alcanzado su tamaño máximo.");
        CHECK_HIJO(st.NumFrec == 1);
        return fallos;
    }, false);
    EXPECT_EQ(fallidas, 0);
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1));
    EXPECT_EQ(Bytes("datos.vyr"), Registro("uno"));
}

TEST_F(StoreTest, FullDiskIsReportedAndTheIndexStaysAsItWas) {
    if (!Existe("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
    std::filesystem::create_symlink("/dev/full", Ruta("datos.vyr"));
    ASSERT_TRUE(Arranca());
    EXPECT_FALSE(Alta(7.1, "uno"));
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "No se puede escribir datos.vyr\nNo queda espacio en el disco.");
    EXPECT_EQ(m->NumFrec, 0);
    EXPECT_FALSE(m->CambioIndice);
    EXPECT_EQ(Bytes("frecuencias.vyr"), "");
}

TEST_F(StoreTest, ExchangeFileThatCannotBeReadOrWritten) {
    Pon("frecuencias.vyr", Entrada(7.1, 1));
    Pon("datos.vyr", Registro("uno"));
    ASSERT_TRUE(Arranca());
    EXPECT_FALSE(m->RecuperarDatos());  // missing
    std::filesystem::create_directory(Ruta("vyr.csv"));
    EXPECT_FALSE(m->RecuperarDatos());  // unreadable
    EXPECT_FALSE(m->SalvarDatos());     // cannot be created
    ASSERT_EQ(msg.vistos.size(), 3u);
    for (std::size_t i : {0u, 1u}) {
        EXPECT_EQ(msg.vistos[i].texto, "No se puede leer vyr.csv");
        EXPECT_EQ(msg.vistos[i].titulo, "Recuperar datos");
    }
    EXPECT_EQ(msg.vistos[2].texto, "No se puede escribir vyr.csv\nEn su lugar hay una carpeta.");
    EXPECT_EQ(msg.vistos[2].titulo, "Salvar datos");
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1));
    EXPECT_EQ(Bytes("datos.vyr"), Registro("uno"));
}

TEST_F(StoreTest, ImportIntoAFullIndexGoesOnAndCountsWhatDidNotFit) {
    std::string ind;
    for (int k = 1; k <= 4999; ++k) ind += Entrada(k, static_cast<std::int16_t>(k));
    Pon("frecuencias.vyr", ind);
    Pon("vyr.csv", "6000000000;a\r\n7000000000;b\r\n10000000;diez\r\n8000000000;c\r\n");
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(m->NumFrec, 5000);
    EXPECT_EQ(m->TablaFrec[5000], 6000.0);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "Datos recuperados de vyr.csv\n2 frecuencias no añadidas: índice lleno");
    EXPECT_EQ(Bytes("frecuencias.vyr").size(), 50000u);
    EXPECT_EQ(Bytes("datos.vyr").substr(9 * kRegistro, 300), Registro("diez"));  // the update applied
}

TEST_F(StoreTest, DamagedFilesNeverCrashNorWriteOutsideARecord) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // Slots: bad record 0, record 6000, NaN, record 4 twice, negative, inf,
    // a deleted slot whose record is shared, then a good one.
    const std::string ind = Entrada(1.0, 0) + Entrada(2.0, 6000) + Entrada(nan, 3) + Entrada(4.0, 4) +
                            Entrada(5.0, 4) + Entrada(-6.0, 6) + Entrada(inf, 7) + Entrada(0.0, 8) +
                            Entrada(9.0, 8) + std::string("\x81\x00", 2);
    Pon("frecuencias.vyr", ind);
    const std::string dat = Registro("tres") + Registro(std::string("\x81\x00x", 3));  // short: 2 records
    Pon("datos.vyr", dat);
    Pon("servicios.vyr", std::string(100000, '\x81') + std::string(1, '\0'));
    ASSERT_TRUE(Arranca());
    EXPECT_EQ(m->NumFrec, 9);
    EXPECT_EQ(m->Servicios[0].size(), 100001u);

    auto modifica = [&](double f) {
        m->FrecActual = f;
        m->BuscaFrecuencia();
        return m->PosFrec != 0 && m->ModificaRegistro("nuevo", "", "", "", "");
    };
    for (double f : {1.0, 2.0, 4.0, 5.0, 9.0}) EXPECT_FALSE(modifica(f)) << f;
    EXPECT_EQ(Bytes("datos.vyr"), dat);
    m->LeeDatos(6000);  // beyond the end: spaces
    EXPECT_EQ(m->BufDatos, RegDatos{});
    m->LeeDatos(0);
    EXPECT_EQ(m->BufDatos, RegDatos{});
    m->FrecActual = 4.0;
    EXPECT_FALSE(m->BorraRegistro());

    // An add passes over the shared deleted record and appends record 10.
    ASSERT_TRUE(Alta(11.0, "once"));
    EXPECT_EQ(m->PosLibre, 10);
    EXPECT_EQ(Bytes("datos.vyr").size(), 10u * 300);
    EXPECT_EQ(Bytes("datos.vyr").substr(0, 600), dat);
    EXPECT_EQ(Bytes("datos.vyr").substr(2700), Registro("once"));

    ASSERT_TRUE(m->OrdenaIndice());
    EXPECT_EQ(m->NumFrec, 10);
    // The import passes over the lines whose records the damage shares,
    // applies the others and counts the ones it left.
    Pon("vyr.csv", "4000000;cuatro\r\n5000000;cinco\r\n11000000;once bis\r\n12000000;doce\r\n");
    msg.vistos.clear();
    ASSERT_TRUE(m->RecuperarDatos());
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "Datos recuperados de vyr.csv\n2 líneas no aplicadas: registro dañado");
    for (const auto& [f, d] : {std::pair{11.0, "once bis"}, std::pair{12.0, "doce"}}) {
        m->FrecActual = f;
        m->BuscaFrecuencia();
        ASSERT_NE(m->PosFrec, 0) << f;
        ASSERT_TRUE(m->LeeDatos(m->RegistroDe(m->PosFrec)));
        EXPECT_EQ(m->BufDatos.Descripcion.SinEspaciosFinales(), d);
    }
    EXPECT_EQ(Bytes("datos.vyr").substr(0, 600), dat);
}

TEST_F(StoreTest, StartUpRemovesWhatAnInterruptedReplaceLeftAndNothingElse) {
    Pon("frecuencias.vyr", Entrada(7.1, 1));
    Pon("datos.vyr", Registro("uno"));
    for (const char* n : {"frecuencias.vyr.nuevo", "vyr.csv.nuevo", "vyr.csv", "datos.vyr.nuevo", "otro.nuevo"})
        Pon(n, "x");
    ASSERT_TRUE(Arranca());
    EXPECT_FALSE(Existe(Ruta("frecuencias.vyr.nuevo")));
    EXPECT_FALSE(Existe(Ruta("vyr.csv.nuevo")));
    for (const char* n : {"vyr.csv", "datos.vyr.nuevo", "otro.nuevo"}) EXPECT_EQ(Bytes(n), "x") << n;
    EXPECT_EQ(Bytes("frecuencias.vyr"), Entrada(7.1, 1));
}

TEST(StoreMessages, EveryUsualFileErrorHasItsOwnSpanishReason) {
    std::set<std::string> vistos;
    for (int err : {EISDIR, ENOTDIR, EROFS, ELOOP, EACCES, ENOSPC, EIO, EDQUOT, EFBIG}) {
        const std::string m = textos::Motivo(err);
        EXPECT_FALSE(m.starts_with("Error del sistema")) << err;
        EXPECT_TRUE(vistos.insert(m).second) << m;
    }
}

TEST_F(StoreTest, AFileThatIsAFolderOrALoopIsNamedWithItsReason) {
    std::filesystem::create_directory(Ruta("datos.vyr"));
    EXPECT_FALSE(Arranca());
    std::filesystem::remove(Ruta("datos.vyr"));
    std::filesystem::create_symlink("datos.vyr", Ruta("datos.vyr"));
    EXPECT_FALSE(Arranca());
    ASSERT_EQ(msg.vistos.size(), 2u);
    EXPECT_EQ(msg.vistos[0].texto, "No se puede abrir datos.vyr\nEn su lugar hay una carpeta.");
    EXPECT_EQ(msg.vistos[1].texto, "No se puede abrir datos.vyr\nDemasiados enlaces simbólicos en la ruta.");
}

TEST_F(StoreTest, ImportOfHugeAndOddLines) {
    Pon("vyr.csv", std::string(100000, 'z') + "\r\n" + std::string(100000, '9') + ";x\r\n" +
                       std::string("7100000;\x81\x00;b", 12));
    ASSERT_TRUE(Arranca());
    ASSERT_TRUE(m->RecuperarDatos());
    EXPECT_EQ(m->NumFrec, 1);
    EXPECT_EQ(Bytes("datos.vyr"), Registro(std::string("\x81\x00", 2), "b"));
}

}  // namespace
}  // namespace vyr::test
