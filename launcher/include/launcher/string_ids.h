// Rows of the executable's string table that the launcher shows.
#pragma once

#include "platform/win32.h"

// "The AppRun object could not be created."
inline constexpr UINT kAppRunNotCreatedStringId = 10010;

// Id 0 carries no text in our table, so this message reads as the generic fatal error.
// Shown when the command line cannot be handed to the application object.
inline constexpr UINT kCommandLineNotConvertedStringId = 0;
