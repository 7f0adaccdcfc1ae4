#include "convert/modos.h"

namespace vyr::conv {
namespace {

constexpr ModoLeido kGqrx[] = {
    {"Demod Off", ""},      {"Raw I/Q", "RAW"},  {"AM", "AM"},       {"AM-Sync", "SAM"},
    {"LSB", "LSB"},         {"USB", "USB"},      {"CW-L", "CW-L"},   {"CW-U", "CW"},
    {"Narrow FM", "NFM"},   {"WFM (mono)", "WFM"}, {"WFM (stereo)", "WFM"}, {"WFM (oirt)", "OIRT"},
    {"FM", "FM"},           {"CW", "CW"},        {"FSK", "FSK"},     {"Digital", "DIG"},
};

constexpr ModoLeido kSdrpp[] = {
    {"0", "NFM"}, {"1", "WFM"}, {"2", "AM"}, {"3", "DSB"},
    {"4", "USB"}, {"5", "CW"},  {"6", "LSB"}, {"7", "RAW"},
};

constexpr ModoLeido kChirp[] = {
    {"WFM", "WFM"},   {"FM", "FM"},     {"NFM", "NFM"},   {"AM", "AM"},     {"NAM", "NAM"},
    {"DV", "DV"},     {"USB", "USB"},   {"LSB", "LSB"},   {"CW", "CW"},     {"RTTY", "RTTY"},
    {"DIG", "DIG"},   {"PKT", "PKT"},   {"NCW", "NCW"},   {"NCWR", "NCWR"}, {"CWR", "CWR"},
    {"P25", "P25"},   {"Auto", ""},     {"RTTYR", "RTTYR"}, {"FSK", "FSK"}, {"FSKR", "FSKR"},
    {"DMR", "DMR"},   {"DN", "DN"},     {"NXDN", "NXDN"},
};

constexpr ModoSalida kSalida[] = {
    {"AM", "AM", 2, 10000},          {"SAM", "AM-Sync", 2, 10000},   {"DSB", "", 3, 10000},
    {"USB", "USB", 4, 2800},         {"LSB", "LSB", 6, 2800},        {"CW", "CW-U", 5, 500},
    {"CW-L", "CW-L", 5, 500},        {"NFM", "Narrow FM", 0, 12500}, {"FM", "Narrow FM", 0, 12500},
    {"WFM", "WFM (stereo)", 1, 200000}, {"OIRT", "WFM (oirt)", 1, 200000},
    {"RAW", "Raw I/Q", 7, 0},        {"", "Demod Off", 7, 0},
};

QString Texto(std::string_view t) { return QString::fromLatin1(t.data(), qsizetype(t.size())); }

}  // namespace

const std::span<const ModoLeido> kModosGqrx(kGqrx);
const std::span<const ModoLeido> kModosSdrpp(kSdrpp);
const std::span<const ModoLeido> kModosChirp(kChirp);
const std::span<const ModoSalida> kModosSalida(kSalida);

QString ModoVyr(std::span<const ModoLeido> tabla, const QString& origen, bool distingue) {
    const QString t = origen.trimmed();
    const auto caso = distingue ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (const auto& m : tabla)
        if (t.compare(Texto(m.origen), caso) == 0) return Texto(m.vyr);
    return t.toUpper();
}

const ModoSalida& ModoParaSalida(const QString& vyr) {
    const QString t = vyr.trimmed().toUpper();
    for (const auto& m : kModosSalida)
        if (t == Texto(m.vyr)) return m;
    return kModoSinTabla;
}

}  // namespace vyr::conv
