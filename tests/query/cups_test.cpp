// The report through the system's default printer: a private cupsd whose
// default queue writes the job's PDF to a file, so that the test can check
// that the job completed, its page count and its text.
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "informes.h"

namespace vyr::test {
namespace {

class CupsTest : public InformeTest {
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
        InformeTest::SetUp();
    }

    QString Salida() const { return servidor_->path() + "/out/print.pdf"; }

    int Completados() const {
        const QString t = QString::fromStdString(Ejecuta("lpstat", {"-W", "completed", "-o", "TESTPDF"}));
        return static_cast<int>(t.count(QRegularExpression("^TESTPDF-\\d+", QRegularExpression::MultilineOption)));
    }

    static inline QTemporaryDir* servidor_ = nullptr;
    static inline QString socket_;
    static inline bool listo_ = false;
};

TEST_F(CupsTest, EveryPaperHoldsTheReportsOwnPages) {
    // Courier New 9 at its own pitch does not fit 83 lines on Letter or A4:
    // the pitch tightens, and only the report breaks pages, after 80 records.
    struct Caso {
        const char *papel, *puntos;
    };
    const Caso casos[] = {{"Letter", "612 x 792"}, {"A4", "595 x 842"}, {"Legal", "612 x 1008"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.papel);
        bool ok = false;
        Ejecuta("lpadmin", {"-p", "TESTPDF", "-o", QStringLiteral("PageSize=") + QString::fromLatin1(c.papel)}, &ok);
        ASSERT_TRUE(ok);
        Suelta();
        const int antes = Completados();
        Imprime(Emisoras(81, 100));
        EXPECT_TRUE(msg.vistos.empty()) << msg.vistos.front().texto;  // no fallback to vyr.pdf
        EXPECT_FALSE(QFile::exists(tmp.path() + "/vyr.pdf"));
        // The job runs in cupsd's filters; give it up to a minute.
        for (int i = 0; i < 600 && Completados() == antes; ++i) QTest::qWait(100);
        ASSERT_EQ(Completados(), antes + 1) << "the job did not complete";
        // The queue's paper, not the locale's.
        const QString info = QString::fromStdString(Ejecuta("pdfinfo", {Salida()}));
        EXPECT_EQ(QRegularExpression("Page size:\\s+([\\d.]+ x [\\d.]+)").match(info).captured(1), c.puntos);
        // Two pages, each ended by a form feed: no break but the report's,
        // whose place is checked on the fallback PDF.
        const QStringList p = QString::fromStdString(Ejecuta("pdftotext", {"-layout", Salida(), "-"})).split(u'\f');
        ASSERT_EQ(p.size(), 3);
        EXPECT_TRUE(p[1].contains("181,000.000"));
    }
}

}  // namespace
}  // namespace vyr::test
