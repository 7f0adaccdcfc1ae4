// The report through the system's default printer: a private cupsd whose
// default queue writes the job's PDF to a file, so that the test can check
// that the job completed, its page count and its text.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>

#include "support/ventanas_fixture.h"
#include "ui/qt_printer.h"

namespace vyr::test {
namespace {

class CupsTest : public VentanasTest {
protected:
    static void SetUpTestSuite() {
        servidor_ = new QTemporaryDir;
        bool ok = false;
        socket_ = QString::fromStdString(
                      Ejecuta(VYR_PRIVATE_CUPS, {"start", servidor_->path()}, &ok))
                      .trimmed();
        listo_ = ok && !socket_.isEmpty();
        if (!listo_) return;
        // Only the private server's default counts.
        qputenv("CUPS_SERVER", socket_.toLocal8Bit());
        // A client of a server on a local socket reads the queue's PPD
        // straight from the server's folder.
        qputenv("CUPS_SERVERROOT", (servidor_->path() + "/etc").toLocal8Bit());
        qputenv("HOME", servidor_->path().toLocal8Bit());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
    }
    static void TearDownTestSuite() {
        if (servidor_) Ejecuta(VYR_PRIVATE_CUPS, {"stop", servidor_->path()});
        delete servidor_;
        servidor_ = nullptr;
    }
    void SetUp() override {
        if (!listo_)
            GTEST_SKIP() << "CUPS test skipped: scripts/private-cups could not start a private cupsd "
                            "with a TESTPDF queue (needs cups and cups-filters)";
        bool a = false, b = false;
        Ejecuta("pdfinfo", {"-v"}, &a);
        Ejecuta("pdftotext", {"-v"}, &b);
        if (!a || !b) GTEST_SKIP() << "CUPS test skipped: poppler-utils not installed";
        VentanasTest::SetUp();
        qt = std::make_unique<ui::QtPrinterFactory>(tmp.path().toStdString());
        factoria = qt.get();
    }

    QString Salida() const { return servidor_->path() + "/out/print.pdf"; }

    int Completados() const {
        const QString t = QString::fromStdString(Ejecuta("lpstat", {"-W", "completed", "-o", "TESTPDF"}));
        return static_cast<int>(t.count(QRegularExpression("^TESTPDF-\\d+", QRegularExpression::MultilineOption)));
    }

    // Pages that CUPS counted for its last completed job.
    int PaginasContadas() const {
        QFile f(servidor_->path() + "/log/page_log");
        if (!f.open(QIODevice::ReadOnly)) return -1;
        int n = -1;
        for (const QString& l : QString::fromUtf8(f.readAll()).split(u'\n')) {
            const auto mm = QRegularExpression(" total (\\d+) ").match(l);
            if (mm.hasMatch()) n = mm.captured(1).toInt();
        }
        return n;
    }

    // Prints n records through the default printer and waits for CUPS to finish the job.
    void Imprime(int n) {
        std::vector<Fila> filas;
        for (int i = 1; i <= n; ++i) filas.push_back({100.0 + i, "Emisora " + std::to_string(i), "BC", "AM"});
        Suelta();
        Arranca(filas);
        const int antes = Completados();
        frmConsultar& v = Consulta();
        v.optVerTodo->setChecked(true);
        v.chkImprimir->setChecked(true);
        ASSERT_TRUE(Realiza().mostrado);
        EXPECT_TRUE(msg.vistos.empty()) << msg.vistos.front().texto;  // no fallback to vyr.pdf
        EXPECT_FALSE(QFile::exists(tmp.path() + "/vyr.pdf"));
        // The job runs in cupsd's filters; give it up to a minute.
        for (int i = 0; i < 600 && Completados() == antes; ++i) QTest::qWait(100);
        ASSERT_EQ(Completados(), antes + 1) << "the job did not complete";
    }

    // "612 x 792" and the like, in points.
    QString Papel() const {
        const QString info = QString::fromStdString(Ejecuta("pdfinfo", {Salida()}));
        return QRegularExpression("Page size:\\s+([\\d.]+ x [\\d.]+)").match(info).captured(1);
    }

    int PaginasPdf() const {
        const QString info = QString::fromStdString(Ejecuta("pdfinfo", {Salida()}));
        const auto mm = QRegularExpression("Pages:\\s+(\\d+)").match(info);
        return mm.hasMatch() ? mm.captured(1).toInt() : -1;
    }

    QStringList PaginasTexto() const {
        return QString::fromStdString(Ejecuta("pdftotext", {"-layout", Salida(), "-"})).split(u'\f');
    }

    std::unique_ptr<ui::QtPrinterFactory> qt;
    static inline QTemporaryDir* servidor_ = nullptr;
    static inline QString socket_;
    static inline bool listo_ = false;
};

TEST_F(CupsTest, EveryPaperHoldsTheReportsOwnPages) {
    // Courier New 9 at its own pitch does not fit 83 lines on Letter or A4:
    // the pitch tightens, and only the report breaks pages.
    struct Caso {
        const char *papel, *puntos;
    };
    const Caso casos[] = {{"Letter", "612 x 792"}, {"A4", "595 x 842"}, {"Legal", "612 x 1008"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.papel);
        bool ok = false;
        Ejecuta("lpadmin", {"-p", "TESTPDF", "-o", QStringLiteral("PageSize=") + QString::fromLatin1(c.papel)}, &ok);
        ASSERT_TRUE(ok);
        for (const int n : {80, 81}) {
            SCOPED_TRACE(n);
            Imprime(n);
            EXPECT_EQ(Papel(), c.puntos);  // the queue's paper, not the locale's
            const int paginas = n == 80 ? 1 : 2;
            EXPECT_EQ(PaginasContadas(), paginas);
            EXPECT_EQ(PaginasPdf(), paginas);
            const QStringList p = PaginasTexto();
            ASSERT_GE(p.size(), paginas);
            EXPECT_TRUE(p[0].contains("180,000.000"));
            if (n == 81) {
                EXPECT_TRUE(p[1].contains("Frecuencia"));
                EXPECT_TRUE(p[1].contains("181,000.000"));
                EXPECT_FALSE(p[1].contains("180,000.000"));
            }
        }
    }
}

}  // namespace
}  // namespace vyr::test
