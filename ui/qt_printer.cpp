#include "ui/qt_printer.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace vyr::ui {
namespace {

constexpr const char* kFicheroPdf = "vyr.pdf";
constexpr const char* kTituloImprimir = "Imprimir";
constexpr const char* kPdfGuardado = "No hay impresora: listado guardado en vyr.pdf";
constexpr const char* kPdfFallido = "No se puede escribir vyr.pdf";
constexpr const char* kPdfPedidoFallido = "No se puede escribir el listado en PDF";

// The fallback file when there is no printer: A4 with narrow margins, so that
// a whole record line fits across the page.
const QMarginsF kMargenesFallo{5, 5, 5, 5};

// The font's own pitch, or less where the page must hold more lines than
// that allows.
double PasoDeLinea(double natural, double alto_util, int lineas) {
    return lineas > 0 ? std::min(natural, alto_util / lineas) : natural;
}

// One document. The QPainter begins at the first line or page, so a run that
// prints nothing sends no job.
class QtPrinter : public Printer {
public:
    QtPrinter(QtPrinterFactory::Fuente& fuente, std::string carpeta, std::string pdf,
              const QPageSize& pagina, QMarginsF margenes)
        : fuente_(fuente),
          carpeta_(std::move(carpeta)),
          pdf_(std::move(pdf)),
          pagina_(pagina),
          margenes_(margenes) {}

    ~QtPrinter() override {
        if (painter_.isActive()) painter_.end();
    }

    std::string NombreFuente() const override { return fuente_.nombre; }
    void PonNombreFuente(const std::string& nombre) override { fuente_.nombre = nombre; }
    double TamFuente() const override { return fuente_.puntos; }
    void PonTamFuente(double puntos) override { fuente_.puntos = puntos; }
    void PonModoColor(ModoColor modo) override {
        color_modo_ = modo == ModoColor::Color ? QPrinter::Color : QPrinter::GrayScale;
        if (printer_) printer_->setColorMode(color_modo_);
    }
    void PonColor(std::uint32_t rgb) override { color_ = QColor::fromRgb(rgb); }

    void ImprimeLinea(const std::string& texto) override {
        if (!Empieza()) return;
        QFont f(QString::fromStdString(fuente_.nombre));
        f.setPointSizeF(fuente_.puntos > 0 ? fuente_.puntos : 10);
        painter_.setFont(f);
        painter_.setPen(color_);
        const QFontMetricsF fm(f, printer_.get());
        const double fondo = printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
        const double alto = PasoDeLinea(fm.height(), fondo, lineas_);
        if (y_ > 0 && y_ + alto > fondo * (1 + 1e-9)) {
            printer_->newPage();
            y_ = 0;
        }
        painter_.drawText(QPointF(0, y_ + fm.ascent()), QString::fromStdString(texto));
        y_ += alto;
    }

    void LineasPorPagina(int lineas) override { lineas_ = lineas; }

    void NuevaPagina() override {
        if (!Empieza()) return;
        printer_->newPage();
        y_ = 0;
    }

    bool TerminaDocumento(Aviso& aviso) override {
        if (!empezado_) return true;
        if (fallo_) {
            aviso = {pdf_.empty() ? kPdfFallido : kPdfPedidoFallido, kTituloImprimir, true};
            return false;
        }
        const bool ok = painter_.end();
        if (!ok) {
            aviso = {por_falta_ ? kPdfFallido : kPdfPedidoFallido, kTituloImprimir, true};
            return false;
        }
        if (por_falta_) aviso = {kPdfGuardado, kTituloImprimir, false};
        return true;
    }

    void Anula() override {
        if (!painter_.isActive()) return;
        printer_->abort();
        painter_.end();
        if (printer_->outputFormat() == QPrinter::PdfFormat) QFile::remove(printer_->outputFileName());
    }

private:
    bool Empieza() {
        if (empezado_) return !fallo_;
        empezado_ = true;
        if (!pdf_.empty()) {
            fallo_ = !EmpiezaPdf(pdf_, pagina_, margenes_);
            return !fallo_;
        }
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            printer_->setColorMode(color_modo_);
            // Qt starts from its locale's paper; the queue's own default is what
            // the user has set up for that printer.
            if (const QPageSize p = info.defaultPageSize(); p.isValid()) printer_->setPageSize(p);
            // With an unusable queue Qt switches to PDF output without a file
            // name: begin() then fails, and we fall back like with no printer.
            if (printer_->isValid() && printer_->outputFormat() == QPrinter::NativeFormat &&
                painter_.begin(printer_.get()))
                return true;
            printer_.reset();
        }
        por_falta_ = true;
        fallo_ = !EmpiezaPdf(carpeta_ + "/" + kFicheroPdf, QPageSize(QPageSize::A4),
                             kMargenesFallo);
        return !fallo_;
    }

    bool EmpiezaPdf(const std::string& ruta, const QPageSize& pagina, const QMarginsF& margenes) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(QString::fromStdString(ruta));
        printer_->setColorMode(color_modo_);
        printer_->setPageLayout(
            QPageLayout(pagina, QPageLayout::Portrait, margenes, QPageLayout::Millimeter));
        return painter_.begin(printer_.get());
    }

    QtPrinterFactory::Fuente& fuente_;
    std::string carpeta_;
    std::string pdf_;
    QPageSize pagina_;
    QMarginsF margenes_;
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    QPrinter::ColorMode color_modo_ = QPrinter::GrayScale;
    QColor color_ = Qt::black;
    double y_ = 0;
    int lineas_ = 0;
    bool empezado_ = false;
    bool fallo_ = false;
    bool por_falta_ = false;
};

}  // namespace

QtPrinterFactory::QtPrinterFactory(std::string carpeta) : carpeta_(std::move(carpeta)) {}

void QtPrinterFactory::UsaPdf(std::string ruta, const QPageSize& pagina, QMarginsF margenes_mm) {
    pdf_ = Pdf{std::move(ruta), pagina, margenes_mm};
}

const QtPrinterFactory::Fuente& QtPrinterFactory::FuenteActual() {
    if (!fuente_) {
        // A new printer starts with the application's font.
        const QFont f = QGuiApplication::font();
        fuente_ = Fuente{f.family().toStdString(), f.pointSizeF() > 0 ? f.pointSizeF() : 10};
    }
    return *fuente_;
}

std::unique_ptr<Printer> QtPrinterFactory::Abre() {
    FuenteActual();
    if (pdf_) return std::make_unique<QtPrinter>(*fuente_, carpeta_, pdf_->ruta, pdf_->pagina,
                                                 pdf_->margenes);
    return std::make_unique<QtPrinter>(*fuente_, carpeta_, std::string(), QPageSize(QPageSize::A4),
                                       QMarginsF());
}

}  // namespace vyr::ui
