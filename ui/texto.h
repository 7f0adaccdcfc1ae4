#pragma once
// The windows' edge between QString and the store's Windows-1252 bytes.
#include <QLocale>
#include <QString>
#include <string>

namespace vyr::ui {

QString DeCp1252(const std::string& bytes);
std::string ACp1252(const QString& texto);  // unrepresentable characters become '?'
// The first n characters (a character outside the BMP counts as one).
QString PrimerosCaracteres(const QString& texto, int n);
int Caracteres(const QString& texto);
// Upper case one character at a time, in the user's locale: a character whose
// upper case is not one Windows-1252 character ("ß", "µ") stays as it is, so
// a text keeps its length and stores as typed.
QString Mayusculas(const QString& texto, const QLocale& l = QLocale());

}  // namespace vyr::ui
