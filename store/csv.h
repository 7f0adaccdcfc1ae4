#pragma once
// The line format of "vyr.csv", shared by the export and the query's file output.
#include <string>
#include <string_view>

#include "store/records.h"
#include "store/replace_file.h"

namespace vyr {

inline constexpr const char* kFicheroCsv = "vyr.csv";

// v = frecuencia * 1e6 as plain decimal text, at most 15 significant digits.
std::string TextoHercios(double frecuencia);
// One line without its CR LF; line breaks in a field become one space and
// ";" becomes "," so that the line reads back with the same six fields.
std::string LineaCsv(double frecuencia, const RegDatos& datos);
// The same with the frequency already as hertz text in the form above
// (a converter's exact decimal, never through a binary value).
std::string LineaCsv(std::string_view hercios, const RegDatos& datos);
// Cuts one line (without its end) into the buffer; returns the frequency text.
std::string CortaLineaCsv(std::string_view linea, RegDatos& datos);
// The same into a record's 300 bytes as the data file holds them; the
// frequency text is a view of the line.
std::string_view CortaLineaCsv(std::string_view linea, char* registro);

// Writes "vyr.csv" whole: lines kept in memory, then the file replaced in
// one go, so that a crash leaves the old or the new file.
class EscritorCsv {
public:
    EscritorCsv(FileSystem& fs, int dirfd);
    Fallo Abre();
    void Linea(double frecuencia, const RegDatos& datos);
    // The same from a record's 300 bytes as the data file holds them.
    void Linea(double frecuencia, const char* registro);
    Fallo Confirma();  // the lines so far become vyr.csv
    void Descarta();   // vyr.csv stays as it was

private:
    Reemplazo reemplazo_;
    std::string buffer_;
};

}  // namespace vyr
