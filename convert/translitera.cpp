#include "convert/translitera.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace vyr::conv {

QString Latin(const QString& texto) {
    static const std::unique_ptr<icu::Transliterator> t = [] {
        UErrorCode e = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> r(
            icu::Transliterator::createInstance("Any-Latin; Latin-ASCII", UTRANS_FORWARD, e));
        return U_SUCCESS(e) ? std::move(r) : nullptr;
    }();
    if (!t) return {};
    icu::UnicodeString u(reinterpret_cast<const UChar*>(texto.utf16()), int32_t(texto.size()));
    t->transliterate(u);
    return QString(reinterpret_cast<const QChar*>(u.getBuffer()), u.length());
}

}  // namespace vyr::conv
