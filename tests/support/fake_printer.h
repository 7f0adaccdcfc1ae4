#pragma once
// Records what the report sends to the printer: lines with their colour and
// font, page breaks and the end of the document. Its font persists between
// documents, as a real printer's setting does.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/printer.h"

namespace vyr::test {

struct Impreso {
    enum Tipo { Linea, Pagina, Fin, Anulado } tipo;
    std::string texto;
    std::uint32_t color = 0;
    std::string fuente;
    double puntos = 0;
};

class FakePrinterFactory : public ui::PrinterFactory {
public:
    std::unique_ptr<ui::Printer> Abre() override;

    std::string fuente = "Arial";
    double puntos = 10;
    ui::ModoColor modo = ui::ModoColor::Monocromo;
    std::vector<Impreso> impreso;
    int abiertas = 0;
    int lineas_por_pagina = 0;
    ui::Printer::Aviso aviso;  // what TerminaDocumento reports
    bool ok = true;

    std::vector<std::string> Lineas() const {
        std::vector<std::string> r;
        for (const auto& i : impreso)
            if (i.tipo == Impreso::Linea) r.push_back(i.texto);
        return r;
    }
};

class FakePrinter : public ui::Printer {
public:
    explicit FakePrinter(FakePrinterFactory& f) : f_(f) {}
    std::string NombreFuente() const override { return f_.fuente; }
    void PonNombreFuente(const std::string& n) override { f_.fuente = n; }
    double TamFuente() const override { return f_.puntos; }
    void PonTamFuente(double p) override { f_.puntos = p; }
    void PonModoColor(ui::ModoColor m) override { f_.modo = m; }
    void PonColor(std::uint32_t rgb) override { color_ = rgb; }
    void LineasPorPagina(int n) override { f_.lineas_por_pagina = n; }
    void ImprimeLinea(const std::string& t) override {
        f_.impreso.push_back({Impreso::Linea, t, color_, f_.fuente, f_.puntos});
    }
    void NuevaPagina() override { f_.impreso.push_back({Impreso::Pagina, {}, color_, {}, 0}); }
    bool TerminaDocumento(Aviso& a) override {
        f_.impreso.push_back({Impreso::Fin, {}, color_, {}, 0});
        a = f_.aviso;
        return f_.ok;
    }
    void Anula() override { f_.impreso.push_back({Impreso::Anulado, {}, color_, {}, 0}); }

private:
    FakePrinterFactory& f_;
    std::uint32_t color_ = 0;
};

inline std::unique_ptr<ui::Printer> FakePrinterFactory::Abre() {
    ++abiertas;
    return std::make_unique<FakePrinter>(*this);
}

}  // namespace vyr::test
