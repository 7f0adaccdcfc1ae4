#pragma once
// Which field of each format goes where in a VYR record, and how: one plain
// table per format, the same tables the README shows.
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "convert/fila.h"
#include "convert/formatos.h"

namespace vyr::conv {

enum class Campo { Frecuencia, Descripcion, Servicio, Modo, Fecha, Observaciones, Ninguno };

enum class Forma {
    Hercios,          // hertz
    Kilohercios,      // kHz, exact
    FrecuenciaChirp,  // MHz, or "N kHz" / "X MHz"
    Texto,            // as it stands, after the rule's prefix
    ModoGqrx,
    ModoSdrpp,
    ModoChirp,
    PrimeraEtiqueta,  // Gqrx's first tag, "Untagged" none
    OtrasEtiquetas,   // the rest
    Lista,            // SDR++'s list, "General" none
    AnchoBanda,       // hertz to "BW 12,5 kHz"
    Duplex,           // CHIRP's Duplex with Offset
    Tono,             // CHIRP's Tone with its frequency or code
    Persistencia,     // EiBi's P
    Periodo,          // EiBi's Start with Stop
    Nada,             // not kept
};

struct Regla {
    std::string_view origen;  // the field as the reader names it
    Campo destino;
    Forma forma;
    std::string_view prefijo = {};  // before the text in Observaciones
};

std::span<const Regla> Tabla(Formato f);

// A row mapped: VYR's fields as text, the observations still in parts
// (joined with " · " when the line is written).
struct Registro {
    std::string donde;
    std::string hercios;
    QString descripcion, servicio, modo, fecha;
    QStringList observaciones;
};

struct Mapeado {
    std::optional<Registro> registro;
    std::string motivo;  // why the row is skipped
    bool redondeado = false;  // the frequency had more than 15 significant digits
};

Mapeado Mapea(Formato f, const Fila& fila);

// The table as the README shows it (Markdown), and the mode tables.
std::string TablaMarkdown(Formato f);
std::string ModosMarkdown();

}  // namespace vyr::conv
