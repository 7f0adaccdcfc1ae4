#pragma once
// The query run behind "Realizar": select records by walking the index slots
// and list them to the results grid, and on request to "vyr.csv" and the printer.
#include <QString>
#include <cstdint>
#include <functional>

#include "store/modulo.h"
#include "ui/entorno.h"

namespace vyr::consulta {

enum class Modo { Todo, Entre, Buscar };

struct Criterios {
    Modo modo = Modo::Buscar;
    QString busDes, busSer, busMod, busObs;
    bool escuchadas = false;
    bool guardar = false;
    bool imprimir = false;
};

// What the walk does with a slot, from its frequency alone.
enum class Paso { Salta, Lee, Termina };
Paso PasoDe(Modo modo, double frecuencia, double frec1, double frec2);

// Whether a record read in the search mode is listed: one of the non-empty
// search texts occurs in its field (both upper-cased, fields at full width)
// and, with "Escuchadas", its date is not blank.
bool Seleccionado(const Criterios& c, const RegDatos& datos);

// The range checks' last step: both bounds read (a refused box holds 0) and
// in ascending order.
bool RangoAceptado(double frec1, double frec2);

// " 12 frecuencias visualizadas".
QString TextoCuenta(int n);

class Consulta {
public:
    Consulta(Modulo& m, const ui::Entorno& e) : m_(m), e_(e) {}

    // The range checks of the query window: true with frec1 < frec2 accepted.
    using CompruebaRango = std::function<bool(double& frec1, double& frec2)>;

    // true: the run completed and its results window has been closed.
    // false: it stopped early (criteria refused, a failed sort or a record
    // that could not be read); the query window stays as it is.
    bool Realiza(const Criterios& c, const CompruebaRango& rango);

    std::int16_t PosRecorrido = 0;

private:
    Modulo& m_;
    ui::Entorno e_;
};

}  // namespace vyr::consulta
