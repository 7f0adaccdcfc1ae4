#pragma once
// Bytes of a foreign file to text. Each row is read as UTF-8 when its bytes
// are valid UTF-8, otherwise as Windows-1252 (which covers ISO-8859-1), so a
// list that was edited in two programs still reads right row by row. Our own
// line format is Windows-1252 whatever the bytes.
#include <QString>
#include <string_view>

namespace vyr::conv {

std::string_view SinBom(std::string_view bytes);

class Decodificador {
public:
    Decodificador() = default;
    explicit Decodificador(bool soloCp1252) : soloCp1252_(soloCp1252) {}
    // Chooses the reading for one row; true: UTF-8.
    bool Elige(std::string_view fila);
    QString Texto(std::string_view campo, bool utf8) const;

    // Rows with non-ASCII bytes read each way.
    int filasUtf8 = 0;
    int filasCp1252 = 0;

private:
    bool soloCp1252_ = false;
};

}  // namespace vyr::conv
