#include <algorithm>

#include "store/modulo.h"
#include "store/store_messages.h"

namespace vyr {
namespace {

void Llena(RegDatos& d, const std::string& descripcion, const std::string& servicio,
           const std::string& modo, const std::string& fecha, const std::string& observaciones) {
    d.Descripcion.Asigna(descripcion);
    d.Servicio.Asigna(servicio);
    d.Modo.Asigna(modo);
    d.Fecha.Asigna(fecha);
    d.Observaciones.Asigna(observaciones);
}

}  // namespace

Modulo::Hueco Modulo::EligeHueco(int& desde, int& slot, std::int16_t& reg) const {
    // The lowest deleted slot whose record is its own; a damaged entry
    // sharing its record with another is passed over.
    slot = 0;
    for (desde = std::max(desde, 1); desde <= NumFrec;) {
        const int s = PrimeraIgual(0.0, desde);
        if (s == 0) {
            desde = NumFrec + 1;
            break;
        }
        desde = s + 1;
        if (RegistroPropio(TablaReg[std::size_t(s)], 1)) {
            slot = s;
            reg = TablaReg[std::size_t(s)];
            return Hueco::Libre;
        }
    }
    if (NumFrec >= kMaxFrecuencias) return Hueco::Lleno;
    // An appended slot takes the record of its own number.
    slot = NumFrec + 1;
    reg = static_cast<std::int16_t>(slot);
    return RegistroPropio(slot, 0) ? Hueco::Libre : Hueco::Danado;
}

bool Modulo::AltaRegistro(const std::string& descripcion, const std::string& servicio,
                          const std::string& modo, const std::string& fecha,
                          const std::string& observaciones) {
    PosLibre = 0;
    if (!(FrecActual > 0.0)) return false;
    if (Bloqueado()) return false;
    Llena(BufDatos, descripcion, servicio, modo, fecha, observaciones);
    int desde = 1, slot = 0;
    std::int16_t reg = 0;
    switch (EligeHueco(desde, slot, reg)) {
        case Hueco::Lleno:
            mensajes_.Muestra(textos::kIndiceLleno, textos::kTituloAlta, ui::Botones::Ok, ui::Icono::Critico);
            return false;
        case Hueco::Danado: AvisaRegistroDanado(slot); return false;
        case Hueco::Libre: break;
    }
    // The record is on disk before an entry names it: a crash in between
    // leaves an unused record, never a frequency with missing text.
    const auto datos = BytesDatos(BufDatos);
    BufIndice = RegIndice{FrecActual, reg};
    const auto entrada = BytesIndice(BufIndice);
    Cambio c(fs_, indicefd_);
    Cambio::Region rd = 0, ri = 0;
    Pasos paso;
    const bool hecho = paso(Fichero::Datos, true, c.Guarda(datosfd_, PosDatos(reg), kLongDatos, rd)) &&
                       paso(Fichero::Indice, true, c.Guarda(indicefd_, PosIndice(slot), kLongIndice, ri)) &&
                       paso(Fichero::Datos, false, c.Escribe(rd, datos.data())) &&
                       paso(Fichero::Datos, false, c.Sincroniza(datosfd_)) &&
                       paso(Fichero::Indice, false, c.Escribe(ri, entrada.data())) &&
                       paso(Fichero::Indice, false, c.Sincroniza(indicefd_));
    if (!hecho) return Deshace(c, paso);
    PosLibre = static_cast<std::int16_t>(slot);
    TablaReg[std::size_t(slot)] = reg;
    TablaFrec[std::size_t(slot)] = FrecActual;
    NumFrec = std::max<std::int16_t>(NumFrec, static_cast<std::int16_t>(slot));
    CambioIndice = true;
    return true;
}

bool Modulo::ModificaRegistro(const std::string& descripcion, const std::string& servicio,
                              const std::string& modo, const std::string& fecha,
                              const std::string& observaciones) {
    if (PosFrec < 1 || PosFrec > NumFrec) return false;
    Llena(BufDatos, descripcion, servicio, modo, fecha, observaciones);
    return EscribeDatos(TablaReg[std::size_t(PosFrec)]);
}

bool Modulo::BorraRegistro() {
    BuscaFrecuencia();
    if (PosFrec == 0) return true;
    if (Bloqueado()) return false;
    const int slot = PosFrec;
    const std::int16_t reg = TablaReg[std::size_t(slot)];
    if (!RegistroPropio(reg, 1)) {
        AvisaRegistroDanado(reg);
        return false;
    }
    // The entry is deleted on disk before its record is blanked: a crash in
    // between leaves a deleted entry with unused text, never a live
    // frequency with a blank record.
    BufIndice = RegIndice{0.0, reg};
    const auto entrada = BytesIndice(BufIndice);
    const auto blanco = BytesDatos(RegDatos{});
    Cambio c(fs_, indicefd_);
    Cambio::Region ri = 0, rd = 0;
    Pasos paso;
    const bool hecho = paso(Fichero::Indice, true, c.Guarda(indicefd_, PosIndice(slot), kLongIndice, ri)) &&
                       paso(Fichero::Datos, true, c.Guarda(datosfd_, PosDatos(reg), kLongDatos, rd)) &&
                       paso(Fichero::Indice, false, c.Escribe(ri, entrada.data())) &&
                       paso(Fichero::Indice, false, c.Sincroniza(indicefd_)) &&
                       paso(Fichero::Datos, false, c.Escribe(rd, blanco.data())) &&
                       paso(Fichero::Datos, false, c.Sincroniza(datosfd_));
    if (!hecho) return Deshace(c, paso);
    TablaFrec[std::size_t(slot)] = 0.0;
    BufDatos = RegDatos{};
    return true;
}

}  // namespace vyr
