#include "platform/library_text_locale.h"

// The library is handed the ANSI path as it is: no locale to switch.
LibraryTextLocale::LibraryTextLocale() = default;

LibraryTextLocale::~LibraryTextLocale() = default;
