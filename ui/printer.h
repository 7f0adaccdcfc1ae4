#pragma once
// The default printer as the printed report sees it: a font and a colour that
// are read and set, lines of text, new pages and the end of the document.
#include <cstdint>
#include <memory>
#include <string>

namespace vyr::ui {

class Printer {
public:
    virtual ~Printer() = default;
    virtual std::string FontName() const = 0;
    virtual void SetFontName(const std::string& nombre) = 0;
    virtual double FontSize() const = 0;  // points
    virtual void SetFontSize(double puntos) = 0;
    virtual void SetColor(std::uint32_t rgb) = 0;  // 0xRRGGBB
    virtual void PrintLine(const std::string& texto_utf8) = 0;
    virtual void NewPage() = 0;
    // Sends the pages; false when nothing could be printed. mensaje then
    // holds what to tell the user (UTF-8), or stays empty.
    virtual bool EndDoc(std::string& mensaje) = 0;
};

}  // namespace vyr::ui

namespace vyr::ui {

// Gives the printer for one query run (the default printer, or a PDF file).
class PrinterFactory {
public:
    virtual ~PrinterFactory() = default;
    virtual std::unique_ptr<Printer> Abre() = 0;
};

}  // namespace vyr::ui
