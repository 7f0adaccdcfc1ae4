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
    virtual std::string NombreFuente() const = 0;
    virtual void PonNombreFuente(const std::string& nombre) = 0;
    virtual double TamFuente() const = 0;  // points
    virtual void PonTamFuente(double puntos) = 0;
    virtual void PonModoColor(ModoColor modo) = 0;
    virtual void PonColor(std::uint32_t rgb) = 0;  // 0xRRGGBB
    // The page must hold this many lines: the line pitch tightens, if need
    // be, so that they fit the paper's printable height. The font stays.
    virtual void LineasPorPagina(int lineas) = 0;
    // One line in the current font and colour; a line that would still pass
    // the printable bottom goes to a new page first, rather than be lost.
    virtual void ImprimeLinea(const std::string& texto_utf8) = 0;
    virtual void NuevaPagina() = 0;
    // Sends the pages. false: nothing could be printed. In both cases mensaje
    // may hold what to tell the user (UTF-8); titulo is its box's title.
    struct Aviso {
        std::string texto, titulo;
        bool critico = false;
    };
    virtual bool TerminaDocumento(Aviso& aviso) = 0;
    // Drops the document: nothing of it is printed or kept.
    virtual void Anula() = 0;
};

// Gives the printer for one query run (the default printer, or a PDF file).
// The font name and size it reports persist from one run to the next.
class PrinterFactory {
public:
    virtual ~PrinterFactory() = default;
    virtual std::unique_ptr<Printer> Abre() = 0;
};

}  // namespace vyr::ui
