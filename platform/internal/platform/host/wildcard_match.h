// File-name characters as Windows treats them in the last component of a search pattern and
// in names it creates. Both arguments are in the ANSI code page.
#pragma once

#include <string>

// True when the component holds '*' or '?' (never a trail byte).
bool HostHasWildcards(const std::string& component);

// False for a name Win32 refuses to create: one holding < > | * ? " or a control character.
bool HostIsValidName(const std::string& component);

// Matching compares characters (a double-byte character is one) with the case folded as
// Windows folds file names, across the whole Shift-JIS repertoire (Latin, full-width Latin,
// Greek, Cyrillic, Roman numerals). '*' matches any run and '?' one character. As Windows
// documents, a '*' before a '.' does not run past the name's last dot, and a '.' at the end
// or before a '*' also matches the end of the name: "*.*" matches every name and "*." the
// names without an extension.
bool HostNameMatchesPattern(const std::string& pattern, const std::string& name);
