#pragma once
// Latin letters for any script, through ICU ("Any-Latin; Latin-ASCII"): ł -> l,
// ő -> o, Ж -> Z. Only asked for what Windows-1252 cannot hold. An empty
// result means ICU dropped the text (combining marks, invisible characters).
#include <QString>


namespace vyr::conv {

QString Latin(const QString& texto);

}  // namespace vyr::conv
