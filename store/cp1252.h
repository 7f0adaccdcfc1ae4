#pragma once
// Windows-1252 <-> Unicode. Our own table so that characters the code page
// cannot hold become "?" (a toolkit encoder would write 0x1A).
#include <string>
#include <string_view>

namespace vyr {

// Code point of one Windows-1252 byte; the five unassigned bytes map to
// themselves as C1 controls, so every byte round-trips.
char32_t Cp1252ACodigo(unsigned char byte);
// Byte for a code point, '?' when the code page has none.
unsigned char CodigoACp1252(char32_t codigo);

std::string Utf8DeCp1252(std::string_view bytes);
// Invalid UTF-8 sequences also become '?'.
std::string Cp1252DeUtf8(std::string_view utf8);

}  // namespace vyr
