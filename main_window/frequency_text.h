#pragma once
// The frequency text rules: entry reading, accepted range, display text and
// display reading. No locale is consulted anywhere.
#include <string>
#include <string_view>

namespace vyr {

// Typed text to number: blanks/tabs/line feeds skipped anywhere, sign, digits
// with one ".", "," ends, E/D exponent, &H/&O. Overflow gives +-infinity.
double LecturaEntrada(std::string_view texto);
// 0.001 <= v <= 900,000,000; NaN and infinities refused.
bool EnRango(double v);
// "###,##0.000.000": 7.1 -> "7,100.000", 1234.5678 -> "1.234,567.800".
std::string TextoPantalla(double v);
// Display text back to number: every "." skipped, "," is the decimal point.
double LecturaPantalla(std::string_view texto);

}  // namespace vyr
