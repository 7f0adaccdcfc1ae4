// The printed report on real PDF output, read back with poppler's tools:
// the characters in their columns, the page breaks, the colours, and the
// file written when the system has no printer.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QCheckBox>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <map>

#include "support/ventanas_fixture.h"
#include "ui/qt_printer.h"

namespace vyr::test {
namespace {

struct Palabra {
    double x0;
    QString texto;
};

struct LineaPdf {
    int pagina;  // from 1
    double y0, y1;
    std::vector<Palabra> palabras;
    QString Texto() const {
        QStringList t;
        for (const auto& p : palabras) t << p.texto;
        return t.join(u' ');
    }
};

bool Herramientas() {
    bool a = false, b = false;
    Ejecuta("pdftotext", {"-v"}, &a);
    Ejecuta("pdftoppm", {"-v"}, &b);
    return a && b;
}

// pdftotext -layout: one QStringList of lines per page.
std::vector<QStringList> Paginas(const QString& pdf) {
    const QString t = QString::fromStdString(Ejecuta("pdftotext", {"-layout", pdf, "-"}));
    std::vector<QStringList> r;
    for (const QString& p : t.split(u'\f')) r.push_back(p.split(u'\n'));
    if (!r.empty() && r.back().join("").trimmed().isEmpty()) r.pop_back();
    return r;
}

// The words of each printed line with their positions (points from the
// page's top-left), from pdftotext -bbox, in reading order.
std::vector<LineaPdf> Lineas(const QString& pdf) {
    const std::string x = Ejecuta("pdftotext", {"-bbox", pdf, "-"});
    QXmlStreamReader xml(QByteArray::fromStdString(x));
    std::vector<LineaPdf> r;
    int pagina = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"page") ++pagina;
        if (xml.name() != u"word") continue;
        const auto a = xml.attributes();
        const double y0 = a.value("yMin").toDouble(), y1 = a.value("yMax").toDouble();
        const double x0 = a.value("xMin").toDouble();
        if (r.empty() || r.back().pagina != pagina || std::abs(r.back().y0 - y0) > 0.5)
            r.push_back({pagina, y0, y1, {}});
        r.back().palabras.push_back({x0, xml.readElementText()});
    }
    return r;
}

// The colour of most inked pixels inside a line's box, rendered at 72 dpi
// without anti-aliasing, so that every inked pixel has the text's colour.
std::map<int, QImage> Imagenes(const QString& pdf, const QString& dir) {
    Ejecuta("pdftoppm", {"-r", "72", "-aa", "no", "-aaVector", "no", "-png", pdf, dir + "/pag"});
    std::map<int, QImage> r;
    for (const QString& f : QDir(dir).entryList({"pag*.png"})) {
        QRegularExpressionMatch mm = QRegularExpression("(\\d+)\\.png$").match(f);
        r[mm.captured(1).toInt()] = QImage(dir + "/" + f);
    }
    return r;
}

QRgb ColorDe(const QImage& img, const LineaPdf& l) {
    std::map<QRgb, int> cuenta;
    for (int y = int(l.y0) + 1; y < int(l.y1); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) & 0xFFFFFF;
            if (c != 0xFFFFFF) ++cuenta[c];
        }
    QRgb mejor = 0xFFFFFF;
    int n = 0;
    for (auto [c, k] : cuenta)
        if (k > n) mejor = c, n = k;
    return mejor;
}

class ReportPdfTest : public VentanasTest {
protected:
    void SetUp() override {
        VentanasTest::SetUp();
        if (!Herramientas()) GTEST_SKIP() << "poppler-utils (pdftotext, pdftoppm) not installed";
        qt = std::make_unique<ui::QtPrinterFactory>(tmp.path().toStdString());
        factoria = qt.get();
    }
    // Prints every record of the store in the all mode.
    void Imprime(const std::vector<Fila>& filas) {
        Arranca(filas);
        frmConsultar& v = Consulta();
        v.optVerTodo->setChecked(true);
        v.chkImprimir->setChecked(true);
        ASSERT_TRUE(Realiza().mostrado);
    }
    // A page tall enough for the report's 83 lines, so that only the report breaks pages.
    QString PdfAlto() {
        QString pdf = tmp.path() + "/alto.pdf";
        qt->UsaPdf(pdf.toStdString(), QPageSize(QSizeF(297, 420), QPageSize::Millimeter),
                   QMarginsF(10, 10, 10, 10));
        return pdf;
    }
    std::unique_ptr<ui::QtPrinterFactory> qt;
};

std::vector<Fila> Muchas(int n) {
    std::vector<Fila> r;
    for (int i = 1; i <= n; ++i)
        r.push_back({100.0 + i, "Emisora " + std::to_string(i), "BC", "AM", "051226", "Obs " + std::to_string(i)});
    return r;
}

// Character columns (from 1) of a line's words, measured against the header.
struct Columnas {
    double paso, izquierda;
    explicit Columnas(const LineaPdf& cabecera)
        : paso((cabecera.palabras.at(1).x0 - cabecera.palabras.at(0).x0) / 16),
          izquierda(cabecera.palabras.at(0).x0 - 3 * paso) {}
    std::vector<std::pair<int, QString>> De(const LineaPdf& l) const {
        std::vector<std::pair<int, QString>> r;
        for (const auto& p : l.palabras) r.push_back({int(std::lround((p.x0 - izquierda) / paso)) + 1, p.texto});
        return r;
    }
};

using Cols = std::vector<std::pair<int, QString>>;

TEST_F(ReportPdfTest, OneTallPrintColumnsPageBreakAndColours) {
    const QString pdf = PdfAlto();
    std::vector<Fila> filas = Muchas(82);
    filas[0] = {7.1, "Radio Exterior", "BC", "AM", "051226", "Escuchada en Madrid"};
    filas[1] = {123456789.5, "Larga", "UTE", "USB", "-", "x"};
    Imprime(filas);
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(msg.vistos.empty());
    const auto lineas = Lineas(pdf);
    ASSERT_EQ(lineas.size(), 2u + 80u + 2u + 2u);

    const Columnas col(lineas[0]);
    const Cols cabecera = {{4, "Frecuencia"}, {20, "Descripción"}, {61, "Servicio"},
                           {80, "Modo"},      {87, "Fecha"},       {94, "Observaciones"}};
    const Cols raya = {{4, QString(15, '-')}, {20, QString(40, '-')}, {61, QString(18, '-')},
                       {80, QString(6, '-')}, {87, QString(6, '-')},  {94, QString(14, '-')}};
    for (std::size_t k : {std::size_t(0), std::size_t(82)}) {
        EXPECT_EQ(lineas[k].pagina, k == 0 ? 1 : 2);
        EXPECT_EQ(col.De(lineas[k]), cabecera);
        EXPECT_EQ(col.De(lineas[k + 1]), raya);
    }
    // Both headers stand one empty line below the top of their page.
    EXPECT_NEAR(lineas[82].y0, lineas[0].y0, 0.5);
    EXPECT_GT(lineas[0].y0, 28.3 + 0.8 * (lineas[1].y0 - lineas[0].y0));

    EXPECT_EQ(col.De(lineas[2]), (Cols{{10, "7,100.000"}, {20, "Radio"}, {26, "Exterior"}, {61, "BC"},
                                       {80, "AM"}, {87, "051226"}, {94, "Escuchada"}}));
    // A 19-character display text loses its first character.
    EXPECT_EQ(col.De(lineas[3]), (Cols{{1, "23.456.789,500.000"}, {20, "Larga"}, {61, "UTE"},
                                       {80, "USB"}, {87, "-"}, {94, "x"}}));
    for (std::size_t k = 2; k < 82; ++k) EXPECT_EQ(lineas[k].pagina, 1) << k;
    EXPECT_EQ(lineas[81].palabras.at(0).texto, "180,000.000");
    EXPECT_EQ(lineas[84].pagina, 2);
    EXPECT_EQ(col.De(lineas[84]).at(0), (std::pair<int, QString>{8, "181,000.000"}));

    // The header black, then blue and green, counted again on each page.
    const auto imgs = Imagenes(pdf, tmp.path());
    ASSERT_EQ(imgs.size(), 2u);
    for (std::size_t k = 0; k < lineas.size(); ++k) {
        const std::size_t enPagina = k < 82 ? k : k - 82;
        const QRgb esperado = enPagina < 2 ? 0x000000u : enPagina % 2 == 0 ? 0x000080u : 0x008000u;
        EXPECT_EQ(ColorDe(imgs.at(lineas[k].pagina), lineas[k]), esperado) << "line " << k;
    }
}

TEST_F(ReportPdfTest, WithoutAPrinterTheReportGoesToVyrPdfAndNoLineIsLost) {
    // CUPS_SERVER names no server here: the system has no printer.
    Imprime(Muchas(81));
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "No hay impresora: listado guardado en vyr.pdf");
    EXPECT_EQ(msg.vistos[0].titulo, "Imprimir");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Ninguno);
    const QString pdf = tmp.path() + "/vyr.pdf";
    ASSERT_TRUE(QFile::exists(pdf));
    // A4 at Courier New's own pitch holds fewer than 83 lines: the pitch
    // tightens, so the pages are the report's own.
    const auto pags = Paginas(pdf);
    ASSERT_EQ(pags.size(), 2u);
    const QString uno = pags[0].join(u'\n'), dos = pags[1].join(u'\n');
    for (int i = 1; i <= 81; ++i) {
        const QString f = QStringLiteral("%1,000.000 Emisora %2 ").arg(100 + i).arg(i);
        EXPECT_EQ((i <= 80 ? uno : dos).count(f), 1) << i;
    }
    EXPECT_TRUE(dos.contains("Frecuencia")) << dos.toStdString();
}

TEST_F(ReportPdfTest, NothingPrintedMeansNoFileAndNoMessage) {
    Imprime({{0}});
    EXPECT_FALSE(QFile::exists(tmp.path() + "/vyr.pdf"));
    EXPECT_TRUE(msg.vistos.empty());
}

TEST_F(ReportPdfTest, AnAbortedReportLeavesNoFile) {
    // No printer: the lines go to vyr.pdf until the run gives up.
    const auto p = qt->Abre();
    p->ImprimeLinea("una");
    p->NuevaPagina();
    p->ImprimeLinea("dos");
    p->Anula();
    EXPECT_FALSE(QFile::exists(tmp.path() + "/vyr.pdf"));
}

TEST_F(ReportPdfTest, AnUnwritablePdfIsReported) {
    qt->UsaPdf((tmp.path() + "/no/existe/x.pdf").toStdString(), QPageSize(QPageSize::A4), QMarginsF());
    Imprime(Muchas(2));
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].titulo, "Imprimir");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
}

}  // namespace
}  // namespace vyr::test
