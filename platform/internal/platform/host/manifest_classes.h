// The registration-free COM classes that an application manifest declares.
#pragma once

#include <optional>
#include <string>

#include "platform/win32.h"

namespace host {

// The name of the <file> whose <comClass clsid> is the class (as UTF-8, as the manifest has
// it), or nothing when the manifest does not parse or does not declare the class. Element
// names are matched without their namespace prefix.
std::optional<std::string> FindComClassFile(const void* manifest, std::size_t size, REFCLSID clsid);

}  // namespace host
