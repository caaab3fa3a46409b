#include "platform/library_text_locale.h"

#include <locale.h>

// Only the character type matters: the rest stays "C", as in any library call.
LibraryTextLocale::LibraryTextLocale() {
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (utf8 != static_cast<locale_t>(0)) {
        libraryLocale_ = utf8;
        previousLocale_ = uselocale(utf8);
    }
}

LibraryTextLocale::~LibraryTextLocale() {
    if (libraryLocale_ != nullptr) {
        uselocale(static_cast<locale_t>(previousLocale_));
        freelocale(static_cast<locale_t>(libraryLocale_));
    }
}
