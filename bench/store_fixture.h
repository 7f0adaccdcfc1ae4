#pragma once
// A full store of 5,000 records with realistic texts, in a temporary folder.
#include <string>
#include <vector>

#include "store/records.h"

namespace vyr::bench {

struct Almacen {
    std::string carpeta;
    std::vector<double> frecuencias;  // slot order as written
    std::string indice, datos, servicios;
};

// Shuffled order when barajado, else ascending.
Almacen CreaAlmacen(int n, bool barajado);
void Escribe(const std::string& ruta, const std::string& bytes);
std::string Lee(const std::string& ruta);
RegDatos RegistroRealista(int i);
std::string CarpetaNueva();
void Borra(const std::string& carpeta);

}  // namespace vyr::bench
