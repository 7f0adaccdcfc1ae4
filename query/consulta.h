#pragma once
// The query run behind "Realizar": select records by walking the index slots
// and list them to the results grid, and on request to "vyr.csv" and the printer.
#include <QString>
#include <cstdint>
#include <functional>

#include "store/modulo.h"
#include "ui/entorno.h"

class frmVisualizar;

namespace vyr::consulta {

enum class Modo { Todo, Entre, Buscar };

struct Criterios {
    Modo modo = Modo::Buscar;
    QString busDes, busSer, busMod, busObs;
    bool escuchadas = false;
    bool guardar = false;
    bool imprimir = false;
};

class Consulta {
public:
    Consulta(Modulo& m, const ui::Entorno& e) : m_(m), e_(e) {}

    // The range checks of the query window: true with frec1 < frec2 accepted.
    using CompruebaRango = std::function<bool(double& frec1, double& frec2)>;

    // true: the run completed and its results window has been closed.
    // false: it stopped early; the query window stays as it is.
    bool Realiza(const Criterios& c, const CompruebaRango& rango);

    std::int16_t PosRecorrido = 0;

private:
    Modulo& m_;
    ui::Entorno e_;
};

// Whether the record in datos holds one of the non-empty search texts
// (upper-cased in the user's locale, fields at full width).
bool Coincide(const Criterios& c, const RegDatos& datos);

}  // namespace vyr::consulta
