// The mapping tables, and their Markdown for the README (a test checks that
// the README holds exactly these).
#include "convert/mapeo.h"
#include "convert/modos.h"

namespace vyr::conv {
namespace {

constexpr Regla kGqrx[] = {
    {"Frequency", Campo::Frecuencia, Forma::Hercios},
    {"Name", Campo::Descripcion, Forma::Texto},
    {"Tags", Campo::Servicio, Forma::PrimeraEtiqueta},
    {"Modulation", Campo::Modo, Forma::ModoGqrx},
    {"Bandwidth", Campo::Observaciones, Forma::AnchoBanda},
    {"Tags", Campo::Observaciones, Forma::OtrasEtiquetas},
};

constexpr Regla kSdrpp[] = {
    {"frequency", Campo::Frecuencia, Forma::Hercios},
    {"name", Campo::Descripcion, Forma::Texto},
    {"list", Campo::Servicio, Forma::Lista},
    {"mode", Campo::Modo, Forma::ModoSdrpp},
    {"bandwidth", Campo::Observaciones, Forma::AnchoBanda},
};

constexpr Regla kChirp[] = {
    {"Frequency", Campo::Frecuencia, Forma::FrecuenciaChirp},
    {"Name", Campo::Descripcion, Forma::Texto},
    {"Mode", Campo::Modo, Forma::ModoChirp},
    {"Comment", Campo::Observaciones, Forma::Texto},
    {"Duplex", Campo::Observaciones, Forma::Duplex},
    {"Tone", Campo::Observaciones, Forma::Tono},
    {"Location", Campo::Observaciones, Forma::Texto, "Canal "},
    {"TStep", Campo::Ninguno, Forma::Nada},
    {"Skip", Campo::Ninguno, Forma::Nada},
    {"Power", Campo::Ninguno, Forma::Nada},
    {"URCALL", Campo::Ninguno, Forma::Nada},
    {"RPT1CALL", Campo::Ninguno, Forma::Nada},
    {"RPT2CALL", Campo::Ninguno, Forma::Nada},
    {"DVCODE", Campo::Ninguno, Forma::Nada},
};

constexpr Regla kEibi[] = {
    {"kHz", Campo::Frecuencia, Forma::Kilohercios},
    {"Station", Campo::Descripcion, Forma::Texto},
    {"Time(UTC)", Campo::Observaciones, Forma::Texto},
    {"Days", Campo::Observaciones, Forma::Texto},
    {"Lng", Campo::Observaciones, Forma::Texto},
    {"Target", Campo::Observaciones, Forma::Texto},
    {"ITU", Campo::Observaciones, Forma::Texto, "País "},
    {"Remarks", Campo::Observaciones, Forma::Texto, "Emisor "},
    {"P", Campo::Observaciones, Forma::Persistencia},
    {"Start", Campo::Observaciones, Forma::Periodo},
};

constexpr Regla kVyr[] = {
    {"Frecuencia", Campo::Frecuencia, Forma::Hercios},
    {"Descripción", Campo::Descripcion, Forma::Texto},
    {"Servicio", Campo::Servicio, Forma::Texto},
    {"Modo", Campo::Modo, Forma::Texto},
    {"Fecha", Campo::Fecha, Forma::Texto},
    {"Observaciones", Campo::Observaciones, Forma::Texto},
};

std::string_view NombreCampo(Campo c) {
    switch (c) {
        case Campo::Frecuencia: return "frecuencia (Hz)";
        case Campo::Descripcion: return "Descripción";
        case Campo::Servicio: return "Servicio";
        case Campo::Modo: return "Modo";
        case Campo::Fecha: return "Fecha";
        case Campo::Observaciones: return "Observaciones";
        case Campo::Ninguno: return "—";
    }
    return "";
}

std::string_view Como(Forma f) {
    switch (f) {
        case Forma::Hercios: return "hertz, exact";
        case Forma::Kilohercios: return "kHz × 1000, exact (`11780.5` → `11780500`)";
        case Forma::FrecuenciaChirp: return "MHz × 1,000,000, exact; `N kHz` and `X MHz` too";
        case Forma::Texto: return "as it stands";
        case Forma::ModoGqrx: return "Gqrx mode table";
        case Forma::ModoSdrpp: return "SDR++ mode table";
        case Forma::ModoChirp: return "CHIRP mode table";
        case Forma::PrimeraEtiqueta: return "the first tag; `Untagged` gives none";
        case Forma::OtrasEtiquetas: return "the other tags, `, ` between them";
        case Forma::Lista: return "the list's name; `General` gives none";
        case Forma::AnchoBanda: return "`BW 12,5 kHz`; 0 gives nothing";
        case Forma::Duplex:
            return "with `Offset`: `Desp. -4,6 MHz`; `split`: `TX 146,52 MHz`; `off`: `Sin TX`";
        case Forma::Tono:
            return "with `rToneFreq`/`cToneFreq`/`DtcsCode`/`DtcsPolarity`/`CrossMode`: "
                   "`Tono 88,5 Hz`, `TSQL 100 Hz`, `DCS 023`, `Cross Tone->DTCS`";
        case Forma::Persistencia: return "`solo invierno` (4), `solo verano` (5), `inactiva` (8); others nothing";
        case Forma::Periodo: return "with `Stop`: `2903-3010`, `desde 2903`, `hasta 3010`; `[0622]` gives `visto 06/22`";
        case Forma::Nada: return "not kept";
    }
    return "";
}

}  // namespace

std::span<const Regla> Tabla(Formato f) {
    switch (f) {
        case Formato::Gqrx: return kGqrx;
        case Formato::Sdrpp: return kSdrpp;
        case Formato::Chirp: return kChirp;
        case Formato::Eibi: return kEibi;
        case Formato::Vyr: return kVyr;
    }
    return {};
}

std::string TablaMarkdown(Formato f) {
    std::string r = "| " + std::string(Nombre(f)) + " field | VYR | how |\n|---|---|---|\n";
    for (const auto& g : Tabla(f)) {
        std::string como(Como(g.forma));
        if (!g.prefijo.empty()) como += ", after `" + std::string(g.prefijo) + "`";
        r += "| `" + std::string(g.origen) + "` | " + std::string(NombreCampo(g.destino)) + " | " + como + " |\n";
    }
    return r;
}

std::string ModosMarkdown() {
    const auto texto = [](std::string_view t) { return t.empty() ? std::string("(none)") : "`" + std::string(t) + "`"; };
    const auto leidos = [&](std::string_view titulo, std::span<const ModoLeido> tabla) {
        std::string r = "| " + std::string(titulo) + " | VYR |\n|---|---|\n";
        for (const auto& m : tabla) r += "| " + texto(m.origen) + " | " + texto(m.vyr) + " |\n";
        return r;
    };
    std::string r = leidos("Gqrx (any case)", kModosGqrx) + "\n" + leidos("SDR++", kModosSdrpp) + "\n" +
                    leidos("CHIRP", kModosChirp) + "\n";
    r += "| VYR | Gqrx | SDR++ | bandwidth (Hz) |\n|---|---|---|---|\n";
    for (const auto& m : kModosSalida)
        r += "| " + texto(m.vyr) + " | " + (m.gqrx.empty() ? std::string("as it stands") : texto(m.gqrx)) + " | " +
             std::to_string(m.sdrpp) + " | " + std::to_string(m.anchoHz) + " |\n";
    r += "| any other | as it stands | " + std::to_string(kModoSinTabla.sdrpp) + " | " +
         std::to_string(kModoSinTabla.anchoHz) + " |\n";
    return r;
}

}  // namespace vyr::conv
