#pragma once
// Frequencies as exact decimal text: kHz and MHz texts become hertz by moving
// the decimal point, never through a binary value, so 11780.5 kHz is 11780500
// and 145.8 MHz is 145800000. The text has the form of our export's hertz:
// plain digits, "." only before a fraction, no trailing zeros, no sign.
#include <optional>
#include <string>
#include <string_view>

namespace vyr::conv {

// A plain decimal ("6070", " 11780.5 ", "-3", ".5") times 10^potencia, in the
// form above; nullopt when it is not such a number. A negative value keeps its
// "-" so that the range check can name it.
std::optional<std::string> Decimal(std::string_view texto, int potencia = 0);

// The shortest decimal that reads back as v; nullopt for NaN and infinities.
std::optional<std::string> DecimalDeDouble(double v);

// -1, 0, 1 for two texts in the form above.
int Compara(std::string_view a, std::string_view b);

// 0.001 to 900,000,000 MHz, that is 1000 to 900,000,000,000,000 Hz.
bool EnRango(std::string_view hercios);

// At most 15 significant digits, as our export writes a frequency (half up).
std::string Redondea15(std::string_view hercios);

// Rounded to whole hertz (half up), for programs that keep integers.
std::string HercioEntero(std::string_view hercios);

// "12.5" -> "12,5": the Spanish decimal comma for texts a listener reads.
std::string ComaDecimal(std::string texto);

}  // namespace vyr::conv
