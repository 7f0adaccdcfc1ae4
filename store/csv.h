#pragma once
// The line format of "vyr.csv", shared by the export and the query's file output.
#include <string>
#include <string_view>

#include "store/records.h"

namespace vyr {

class FileSystem;

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

// Writes "vyr.csv" in one go: emptied at Abre, lines kept in memory, written
// with a single call at Cierra.
class EscritorCsv {
public:
    EscritorCsv(FileSystem& fs, int dirfd) : fs_(fs), dirfd_(dirfd) {}
    ~EscritorCsv();
    int Abre();  // 0 or errno
    void Linea(double frecuencia, const RegDatos& datos);
    // The same from a record's 300 bytes as the data file holds them.
    void Linea(double frecuencia, const char* registro);
    int Cierra();  // 0 or errno
    bool Abierto() const { return fd_ >= 0; }

private:
    FileSystem& fs_;
    int dirfd_;
    int fd_ = -1;
    std::string buffer_;
};

}  // namespace vyr
