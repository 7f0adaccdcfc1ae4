#include "convert/translitera.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace vyr::conv {
namespace {

// Marks and invisible format characters left alone (a stray combining
// accent, a zero-width joiner) are dropped: nothing is their closest letter.
constexpr const char* kReglas = "Any-Latin; Latin-ASCII; [[:Nonspacing Mark:][:Cf:]] Remove";

}  // namespace

QString Latin(const QString& texto) {
    static const std::unique_ptr<icu::Transliterator> t = [] {
        UErrorCode e = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> r(
            icu::Transliterator::createInstance(kReglas, UTRANS_FORWARD, e));
        return U_SUCCESS(e) ? std::move(r) : nullptr;
    }();
    if (!t) return texto;  // no ICU data: every such character becomes "?"
    icu::UnicodeString u(reinterpret_cast<const UChar*>(texto.utf16()), int32_t(texto.size()));
    t->transliterate(u);
    return QString(reinterpret_cast<const QChar*>(u.getBuffer()), u.length());
}

}  // namespace vyr::conv
