#pragma once
// The printer on Qt: the system's default printer (CUPS on Linux), or, when
// there is none or it cannot start a document, "vyr.pdf" in the working folder.
#include <QMarginsF>
#include <QPageSize>
#include <optional>
#include <string>

#include "ui/printer.h"

namespace vyr::ui {

class QtPrinterFactory : public PrinterFactory {
public:
    explicit QtPrinterFactory(std::string carpeta);
    std::unique_ptr<Printer> Abre() override;

    // Writes every document to this PDF file instead (page size and margins
    // in millimetres), whatever printers the system has.
    void UsaPdf(std::string ruta, const QPageSize& pagina, QMarginsF margenes_mm);

    // The printer's font, kept between documents like a printer setting.
    struct Fuente {
        std::string nombre;
        double puntos = 0;
    };
    const Fuente& FuenteActual();

private:
    std::string carpeta_;
    std::optional<Fuente> fuente_;
    struct Pdf {
        std::string ruta;
        QPageSize pagina;
        QMarginsF margenes;
    };
    std::optional<Pdf> pdf_;
};

}  // namespace vyr::ui
