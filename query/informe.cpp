#include "query/informe.h"

#include "main_window/frequency_text.h"
#include "query/query_texts.h"
#include "ui/texto.h"

namespace vyr::consulta {

namespace t = textos_consulta;

void Informe::Prepara() {
    p_.SetColorMode(ui::ModoColor::Color);
    PrimeraPagina = true;
    LineasPagina = 88;
    FuenteAnterior = p_.FontName();
    TamFuenteAnterior = static_cast<float>(p_.FontSize());
    p_.SetFontSize(t::kTamInforme);
    p_.SetFontName(t::kFuenteInforme);
}

void Informe::ImprimirCabecera() {
    if (!PrimeraPagina) p_.NewPage();
    PrimeraPagina = false;
    p_.SetColor(kNegro);
    p_.PrintLine("");
    p_.PrintLine(t::kTitulosInforme);
    p_.PrintLine(t::kRayaInforme);
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
    if (LineasPagina > 79) ImprimirCabecera();
    ++LineasPagina;
    p_.SetColor(LineasPagina % 2 == 0 ? kVerdeOscuro : kAzulOscuro);
    p_.PrintLine(LineaInforme(m_.TablaFrec[static_cast<std::size_t>(PosRecorrido)], m_.BufDatos));
}

bool Informe::CerrarImpresora(ui::Printer::Aviso& aviso) {
    const bool ok = p_.EndDoc(aviso);
    DevuelveFuente();
    return ok;
}

void Informe::DevuelveFuente() {
    p_.SetFontName(FuenteAnterior);
    p_.SetFontSize(TamFuenteAnterior);
}

}  // namespace vyr::consulta
