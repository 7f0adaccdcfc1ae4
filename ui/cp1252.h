#pragma once
// Windows-1252 <-> Unicode code points, for the text edge of the windows and
// the converter. Our own table so that characters the code page cannot hold
// become "?" (a toolkit encoder would write 0x1A).

namespace vyr {

// Code point of one Windows-1252 byte; the five unassigned bytes map to
// themselves as C1 controls, so every byte round-trips.
char32_t Cp1252ACodigo(unsigned char byte);
// Byte for a code point, '?' when the code page has none.
unsigned char CodigoACp1252(char32_t codigo);

}  // namespace vyr
