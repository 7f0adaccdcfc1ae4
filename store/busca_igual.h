#pragma once
// The lookup's scan: the lowest slot holding a value, as many slots a step as
// the processor compares at once.
#include <vector>

namespace vyr {

// The lowest s in desde..n-1 with t[s] == valor (binary64 equality: -0.0
// equals 0.0, NaN equals nothing), or 0 when there is none.
int BuscaIgual(const double* t, int desde, int n, double valor);

// Every version of the scan this processor runs, the one BuscaIgual uses
// first; tests check that each gives the same answers.
struct VersionBusca {
    const char* nombre;
    int (*busca)(const double* t, int desde, int n, double valor);
};
std::vector<VersionBusca> VersionesBusca();

}  // namespace vyr
