// Sole owner of a BSTR: frees it with SysFreeString.
#pragma once

#include <memory>
#include <type_traits>

#include "platform/win32.h"

struct BstrDeleter {
    void operator()(OLECHAR* text) const { SysFreeString(text); }
};

using UniqueBstr = std::unique_ptr<std::remove_pointer_t<BSTR>, BstrDeleter>;
