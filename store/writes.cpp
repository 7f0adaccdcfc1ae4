#include "store/modulo.h"

#include <algorithm>

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

Modulo::Alta Modulo::AltaInterna(int& desde) {
    // The lowest deleted slot whose record is its own; a damaged entry
    // sharing its record with another is passed over.
    int slot = 0;
    for (desde = std::max(desde, 1); desde <= NumFrec;) {
        const int s = PrimeraIgual(0.0, desde);
        if (s == 0) {
            desde = NumFrec + 1;
            break;
        }
        desde = s + 1;
        if (RegistroPropio(TablaReg[s], 1)) {
            slot = s;
            break;
        }
    }
    const bool reusa = slot != 0;
    if (!reusa) {
        if (NumFrec >= kMaxFrecuencias) return Alta::Llena;
        slot = NumFrec + 1;
        if (!RegistroPropio(slot, 0)) {
            AvisaRegistroDanado(slot);
            return Alta::Error;
        }
    }
    const auto reg = static_cast<std::int16_t>(reusa ? TablaReg[slot] : slot);

    // The record before its entry: a crash in between leaves an unused
    // record, never an entry naming missing text.
    if (const int err = EscribeDatosBruto(reg, BufDatos); err != 0) {
        if (reusa) EscribeDatosBruto(reg, RegDatos{});  // a deleted slot's record stays blank
        Falla("datos.vyr", err);
        return Alta::Error;
    }
    if (const int err = EscribeIndiceBruto(slot, FrecActual, reg); err != 0) {
        if (reusa) {
            EscribeIndiceBruto(slot, 0.0, reg);  // undo a partial entry if the disk lets us
            EscribeDatosBruto(reg, RegDatos{});
        }
        Falla("frecuencias.vyr", err);
        return Alta::Error;
    }
    PosLibre = static_cast<std::int16_t>(slot);
    TablaReg[slot] = reg;
    if (!reusa) NumFrec = static_cast<std::int16_t>(slot);
    TablaFrec[slot] = FrecActual;
    CambioIndice = true;
    return Alta::Hecha;
}

bool Modulo::AltaRegistro(const std::string& descripcion, const std::string& servicio,
                          const std::string& modo, const std::string& fecha,
                          const std::string& observaciones) {
    PosLibre = 0;
    if (!(FrecActual > 0.0)) return false;
    Llena(BufDatos, descripcion, servicio, modo, fecha, observaciones);
    int desde = 1;
    const Alta r = AltaInterna(desde);
    if (r == Alta::Llena)
        mensajes_.Muestra(textos::kIndiceLleno, textos::kTituloAlta, ui::Botones::Ok, ui::Icono::Critico);
    return r == Alta::Hecha;
}

bool Modulo::ModificaRegistro(const std::string& descripcion, const std::string& servicio,
                              const std::string& modo, const std::string& fecha,
                              const std::string& observaciones) {
    if (PosFrec < 1 || PosFrec > NumFrec) return false;
    Llena(BufDatos, descripcion, servicio, modo, fecha, observaciones);
    return EscribeDatos(TablaReg[PosFrec]);
}

bool Modulo::BorraRegistro() {
    BuscaFrecuencia();
    if (PosFrec == 0) return true;
    const int slot = PosFrec;
    const std::int16_t reg = TablaReg[slot];
    if (!RegistroPropio(reg, 1)) {
        AvisaRegistroDanado(reg);
        return false;
    }
    // The entry first: a crash in between leaves a deleted entry whose old
    // record is unused, never a live frequency with a blank record.
    if (const int err = EscribeIndiceBruto(slot, 0.0, reg); err != 0) {
        EscribeIndiceBruto(slot, TablaFrec[slot], reg);
        Falla("frecuencias.vyr", err);
        return false;
    }
    TablaFrec[slot] = 0.0;
    BufDatos = RegDatos{};
    if (const int err = EscribeDatosBruto(reg, BufDatos); err != 0) {
        Falla("datos.vyr", err);
        return false;
    }
    return true;
}

}  // namespace vyr
