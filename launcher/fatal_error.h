// The launcher's one user-visible report: a modal error box, then the caller ends.
#pragma once

#include "platform/win32.h"

// Shows the text of string id (or the generic text) with the closing line, and returns
// when the user has closed the box.
void ShowFatalError(UINT id);
