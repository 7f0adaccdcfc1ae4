#pragma once
// The printed report: a three-line header on every page, then up to 80
// record lines a page in alternating colours.
#include <cstdint>
#include <string>

#include "store/modulo.h"
#include "ui/printer.h"

namespace vyr::consulta {

inline constexpr int kLineasCabecera = 3;
inline constexpr int kRegistrosPorPagina = 80;

inline constexpr std::uint32_t kNegro = 0x000000;
inline constexpr std::uint32_t kAzulOscuro = 0x000080;
inline constexpr std::uint32_t kVerdeOscuro = 0x008000;

class Informe {
public:
    // posRecorrido: the slot the query walk is listing, read by ImprimirLinea.
    Informe(Modulo& m, ui::Printer& p, const std::int16_t& posRecorrido)
        : m_(m), p_(p), PosRecorrido(posRecorrido) {}

    // The run's preparation: colour mode, first-page mark, former font kept,
    // Courier New 9 points.
    void Prepara();
    void ImprimirCabecera();
    void ImprimirLinea();
    // Ends the document and puts the former font back; aviso gets what the
    // printer has to tell the user, if anything.
    bool CerrarImpresora(ui::Printer::Aviso& aviso);
    // The early stop: the former font back, nothing printed.
    void DevuelveFuente();

    bool PrimeraPagina = false;
    std::int16_t LineasPagina = 0;
    std::string FuenteAnterior;
    float TamFuenteAnterior = 0;

private:
    Modulo& m_;
    ui::Printer& p_;
    const std::int16_t& PosRecorrido;
};

// The record line of frecuencia and datos (UTF-8), 102 characters.
std::string LineaInforme(double frecuencia, const RegDatos& datos);

}  // namespace vyr::consulta
