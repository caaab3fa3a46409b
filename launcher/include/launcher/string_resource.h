// Texts of the executable's string table, as narrow strings.
#pragma once

#include <string>

#include "launcher/resource_modules.h"
#include "platform/win32.h"

// The text for id in the process's ANSI code page; empty when no module has a text for it.
std::string LoadStringText(const ResourceModules& modules, UINT id);
