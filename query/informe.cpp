#include "query/informe.h"

#include "main_window/frequency_text.h"
#include "query/textos_consulta.h"
#include "ui/texto.h"

namespace vyr::consulta {

namespace t = textos_consulta;

void Informe::Prepara() {
    p_.PonModoColor(ui::ModoColor::Color);
    PrimeraPagina = true;
    LineasPagina = 88;
    FuenteAnterior = p_.NombreFuente();
    TamFuenteAnterior = static_cast<float>(p_.TamFuente());
    p_.PonTamFuente(t::kTamInforme);
    p_.PonNombreFuente(t::kFuenteInforme);
    // Each page is the report's own: its header and its 80 records.
    p_.LineasPorPagina(kLineasCabecera + kRegistrosPorPagina);
}

void Informe::ImprimirCabecera() {
    if (!PrimeraPagina) p_.NuevaPagina();
    PrimeraPagina = false;
    p_.PonColor(kNegro);
    p_.ImprimeLinea("");
    p_.ImprimeLinea(t::kTitulosInforme);
    p_.ImprimeLinea(t::kRayaInforme);
    LineasPagina = 0;
}

std::string LineaInforme(double frecuencia, const RegDatos& d) {
    // Right-aligned in 18 columns; a longer display text loses its first characters.
    const std::string f = std::string(18, ' ') + TextoPantalla(frecuencia);
    std::string linea = f.substr(f.size() - 18);
    linea += ' ' + d.Descripcion.Texto();
    linea += ' ' + d.Servicio.Texto();
    linea += ' ' + d.Modo.Texto();
    linea += ' ' + d.Fecha.Texto();
    linea += ' ' + d.Observaciones.Texto().substr(0, 9);
    return ui::DeCp1252(linea).toStdString();
}

void Informe::ImprimirLinea() {
    if (LineasPagina >= kRegistrosPorPagina) ImprimirCabecera();
    ++LineasPagina;
    p_.PonColor(LineasPagina % 2 == 0 ? kVerdeOscuro : kAzulOscuro);
    p_.ImprimeLinea(LineaInforme(m_.TablaFrec[static_cast<std::size_t>(PosRecorrido)], m_.BufDatos));
}

bool Informe::CerrarImpresora(ui::Printer::Aviso& aviso) {
    const bool ok = p_.TerminaDocumento(aviso);
    DevuelveFuente();
    return ok;
}

void Informe::DevuelveFuente() {
    p_.PonNombreFuente(FuenteAnterior);
    p_.PonTamFuente(TamFuenteAnterior);
}

}  // namespace vyr::consulta
