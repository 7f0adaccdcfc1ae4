// The printed report on real PDF output, read back with poppler's tools:
// the characters in their columns, the page breaks, the colours, and the
// file written when the system has no printer.
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <cmath>
#include <set>

#include "informes.h"

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
};

// The words of each printed line with their positions (points from the
// page's top-left), from pdftotext -bbox, in reading order.
std::vector<LineaPdf> Lineas(const QString& pdf) {
    QXmlStreamReader xml(QByteArray::fromStdString(Ejecuta("pdftotext", {"-bbox", pdf, "-"})));
    std::vector<LineaPdf> r;
    int pagina = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"page") ++pagina;
        if (xml.name() != u"word") continue;
        const auto a = xml.attributes();
        const double y0 = a.value("yMin").toDouble(), y1 = a.value("yMax").toDouble();
        if (r.empty() || r.back().pagina != pagina || std::abs(r.back().y0 - y0) > 0.5)
            r.push_back({pagina, y0, y1, {}});
        r.back().palabras.push_back({a.value("xMin").toDouble(), xml.readElementText()});
    }
    return r;
}

// The colours of the inked pixels inside a line's box on its page.
std::set<QRgb> Colores(const QImage& img, const LineaPdf& l) {
    std::set<QRgb> r;
    for (int y = int(l.y0) + 1; y < int(l.y1); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (const QRgb c = img.pixel(x, y) & 0xFFFFFF; c != 0xFFFFFF) r.insert(c);
    return r;
}

using ReportPdfTest = InformeTest;

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

TEST_F(ReportPdfTest, WithoutAPrinterTheReportGoesToVyrPdfInItsColumnsPagesAndColours) {
    // CUPS_SERVER names no server here: the system has no printer.
    std::vector<Fila> filas = Emisoras(81, 100);
    filas[0] = {7.1, "Radio Exterior", "BC", "AM", "051226", "Escuchada en Madrid"};
    filas[1] = {123456789.5, "Larga", "UTE", "USB", "-", "x"};
    Imprime(filas);
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].texto, "No hay impresora: listado guardado en vyr.pdf");
    EXPECT_EQ(msg.vistos[0].titulo, "Imprimir");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Ninguno);
    // A4 at Courier New's own pitch holds fewer than 83 lines: the pitch
    // tightens, so the pages are the report's own.
    const QString pdf = tmp.path() + "/vyr.pdf";
    const auto lineas = Lineas(pdf);
    ASSERT_EQ(lineas.size(), 2u + 80u + 2u + 1u);

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
    // Both headers stand one empty line below the top margin of their page.
    EXPECT_NEAR(lineas[82].y0, lineas[0].y0, 0.5);
    EXPECT_GT(lineas[0].y0, 14.1 + 0.8 * (lineas[1].y0 - lineas[0].y0));

    EXPECT_EQ(col.De(lineas[2]), (Cols{{10, "7,100.000"}, {20, "Radio"}, {26, "Exterior"}, {61, "BC"},
                                       {80, "AM"}, {87, "051226"}, {94, "Escuchada"}}));
    // A 19-character display text loses its first character.
    EXPECT_EQ(col.De(lineas[3]), (Cols{{1, "23.456.789,500.000"}, {20, "Larga"}, {61, "UTE"},
                                       {80, "USB"}, {87, "-"}, {94, "x"}}));
    // No line lost: 80 on the first page, the 81st after the second header.
    for (int i = 3; i <= 81; ++i) {
        const LineaPdf& l = lineas[std::size_t(i <= 80 ? i + 1 : i + 3)];
        EXPECT_EQ(l.pagina, i <= 80 ? 1 : 2) << i;
        EXPECT_EQ(col.De(l), (Cols{{8, QStringLiteral("%1,000.000").arg(100 + i)}, {20, "Emisora"},
                                   {28, QString::number(i)}, {61, "BC"}, {80, "AM"}})) << i;
    }

    // The header black, then blue and green, counted again on each page.
    // At 72 dpi without anti-aliasing every inked pixel has its text's colour.
    Ejecuta("pdftoppm", {"-r", "72", "-aa", "no", "-aaVector", "no", "-png", pdf, tmp.path() + "/pag"});
    const QImage imgs[] = {QImage(tmp.path() + "/pag-1.png"), QImage(tmp.path() + "/pag-2.png")};
    ASSERT_FALSE(imgs[1].isNull());
    for (std::size_t k = 0; k < lineas.size(); ++k) {
        const std::size_t enPagina = k < 82 ? k : k - 82;
        const QRgb esperado = enPagina < 2 ? 0x000000u : enPagina % 2 == 0 ? 0x000080u : 0x008000u;
        EXPECT_EQ(Colores(imgs[lineas[k].pagina - 1], lineas[k]), std::set<QRgb>{esperado}) << "line " << k;
    }
}

TEST_F(ReportPdfTest, NoFileWhenNothingIsPrintedOrTheReportIsAborted) {
    Imprime({{0}});
    EXPECT_TRUE(msg.vistos.empty());
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
    Imprime(Emisoras(2));
    ASSERT_EQ(msg.vistos.size(), 1u);
    EXPECT_EQ(msg.vistos[0].titulo, "Imprimir");
    EXPECT_EQ(msg.vistos[0].icono, ui::Icono::Critico);
}

}  // namespace
}  // namespace vyr::test
