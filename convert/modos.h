#pragma once
// Modes: each program's names to the short upper-case forms a listener
// writes in VYR, and back for the receivers' files.
#include <QString>
#include <span>
#include <string_view>

namespace vyr::conv {

struct ModoLeido {
    std::string_view origen;  // as the other program writes it
    std::string_view vyr;
};

// Gqrx matches its names without regard to case; the last four are found in
// hand-made files.
extern const std::span<const ModoLeido> kModosGqrx;
// SDR++ keeps a number.
extern const std::span<const ModoLeido> kModosSdrpp;
// CHIRP's names, case-sensitive.
extern const std::span<const ModoLeido> kModosChirp;

// A name not in the table comes in upper-cased as it stands.
QString ModoVyr(std::span<const ModoLeido> tabla, const QString& origen, bool distingueMayusculas);

struct ModoSalida {
    std::string_view vyr;
    std::string_view gqrx;  // empty: Gqrx has none, the VYR text is written as it stands
    int sdrpp;
    int anchoHz;  // the receiver's filter when the record gives none
};

extern const std::span<const ModoSalida> kModosSalida;
// For a mode not in the table: SDR++ has no "unknown", RAW is the one that
// demodulates nothing.
inline constexpr ModoSalida kModoSinTabla = {"", "", 7, 10000};

// The row for a VYR mode (upper-cased, trimmed), or kModoSinTabla.
const ModoSalida& ModoParaSalida(const QString& vyr);

}  // namespace vyr::conv
