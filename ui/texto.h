#pragma once
// The windows' edge between QString and the store's Windows-1252 bytes.
#include <QString>
#include <string>

namespace vyr::ui {

QString DeCp1252(const std::string& bytes);
std::string ACp1252(const QString& texto);  // unrepresentable characters become '?'
// The first n characters (a character outside the BMP counts as one).
QString PrimerosCaracteres(const QString& texto, int n);
int Caracteres(const QString& texto);
inline QString DeUtf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace vyr::ui
