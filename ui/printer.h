#pragma once
// The default printer as the printed report sees it: a font and a colour that
// are read and set, lines of text, new pages and the end of the document.
#include <cstdint>
#include <memory>
#include <string>

namespace vyr::ui {

enum class ModoColor { Monocromo = 1, Color = 2 };

class Printer {
public:
    virtual ~Printer() = default;
    virtual std::string FontName() const = 0;
    virtual void SetFontName(const std::string& nombre) = 0;
    virtual double FontSize() const = 0;  // points
    virtual void SetFontSize(double puntos) = 0;
    virtual void SetColorMode(ModoColor modo) = 0;
    virtual void SetColor(std::uint32_t rgb) = 0;  // 0xRRGGBB
    // One line in the current font and colour; a line that would pass the
    // printable bottom goes to a new page first.
    virtual void PrintLine(const std::string& texto_utf8) = 0;
    virtual void NewPage() = 0;
    // Sends the pages. false: nothing could be printed. In both cases mensaje
    // may hold what to tell the user (UTF-8); titulo is its box's title.
    struct Aviso {
        std::string texto, titulo;
        bool critico = false;
    };
    virtual bool EndDoc(Aviso& aviso) = 0;
    // Drops the document: nothing of it is printed or kept.
    virtual void Abort() = 0;
};

// Gives the printer for one query run (the default printer, or a PDF file).
// The font name and size it reports persist from one run to the next.
class PrinterFactory {
public:
    virtual ~PrinterFactory() = default;
    virtual std::unique_ptr<Printer> Abre() = 0;
};

}  // namespace vyr::ui
