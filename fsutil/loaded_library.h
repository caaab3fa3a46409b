// A library handle that is freed when it goes out of scope.
#pragma once

#include <memory>
#include <type_traits>

#include "platform/win32.h"

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

using LoadedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;
