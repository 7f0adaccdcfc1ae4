#pragma once
// A file's bytes, read and written whole, for tests that check what is on disk.
#include <string>

namespace vyr::test {

std::string LeeFichero(const std::string& ruta);  // "" when missing
void EscribeFichero(const std::string& ruta, const std::string& bytes);

}  // namespace vyr::test
