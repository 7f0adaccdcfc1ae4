#pragma once
// Runs vyr-convertir as a user would, and reads what it said.
#include <array>
#include <string>
#include <vector>

namespace vyr::test {

struct Ejecucion { int estado = -1; std::string salida, errores; };  // status, standard output and error

// args after the program's name; entrada goes to its standard input.
Ejecucion Ejecuta(const std::vector<std::string>& args, const std::string& entrada = "");

// The number after "que: " on a line of the report; -1 when absent.
int Cifra(const std::string& informe, const std::string& que);

// Frequency text, description and mode of each line of our format, cut as
// the store's import cuts them.
using CamposVyr = std::array<std::string, 3>;
std::vector<CamposVyr> LineasVyr(const std::string& bytes);

// The real file of the shared test data, or "" when the folder is absent.
std::string Real(const std::string& nombre);

}  // namespace vyr::test
