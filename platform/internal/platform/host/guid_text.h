// GUIDs in registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", hex digits of either case.
#pragma once

#include <optional>
#include <string_view>

#include "platform/win32.h"

namespace host {

std::optional<GUID> ParseGuid(std::string_view text);

}  // namespace host
