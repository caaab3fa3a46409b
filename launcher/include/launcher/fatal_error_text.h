// The text of the fatal error message, in the ANSI code page (Shift-JIS).
#pragma once

#include <string>

// The table's text, or the generic one when that is empty, then the closing line.
std::string ComposeFatalErrorText(const std::string& tableText);
