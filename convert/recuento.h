#pragma once
// What happened to every row and every character, for the report.
#include <array>
#include <vector>

#include "convert/fila.h"

namespace vyr::conv {

struct RecuentoTexto {
    int transliterados = 0;  // characters Windows-1252 cannot hold, given Latin letters
    int sinEquivalente = 0;  // the same, written as "?"
    int sustituidos = 0;     // ";" and control characters
    RecuentoTexto& operator+=(const RecuentoTexto& o) {
        transliterados += o.transliterados;
        sinEquivalente += o.sinEquivalente;
        sustituidos += o.sustituidos;
        return *this;
    }
};

struct Recuento {
    int filasLeidas = 0;
    int lineasEscritas = 0;
    int filasFusionadas = 0;  // rows whose frequency an earlier row already had
    std::vector<Descarte> descartes;
    int filasUtf8 = 0, filasCp1252 = 0;  // rows with non-ASCII text, read each way

    // Text fitted into VYR's record.
    RecuentoTexto texto;
    std::array<int, 5> cortados{};  // Descripción, Servicio, Modo, Fecha, Observaciones
    int nombresSinSitio = 0;  // names of merged rows beyond Observaciones' 230
    int redondeadas15 = 0;    // frequencies with more than 15 significant digits

    // Out to a receiver's file.
    int herciosRedondeados = 0;  // Gqrx keeps whole hertz
    int modosCambiados = 0;      // the mode will come back as another
    int modosDesconocidos = 0;   // written as they stand; the receiver will not demodulate them
    int nombresCambiados = 0;    // SDR++ needs a unique, non-empty name per list
    int sinSitio = 0;            // lines whose Fecha or Observaciones the receiver cannot keep
};

}  // namespace vyr::conv
