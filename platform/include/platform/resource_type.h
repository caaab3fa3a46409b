// Resource types for the wide lookups (FindResourceW, FindResourceExW). The SDK's RT_STRING
// and RT_MANIFEST follow UNICODE, which this system leaves undefined, so they are narrow; the
// integer id inside is the same either way.
#pragma once

#include <cstdint>

#include "platform/win32.h"

inline LPCWSTR WideResourceType(LPCSTR type) {
    return MAKEINTRESOURCEW(reinterpret_cast<std::uintptr_t>(type));
}

inline LPCWSTR WideResourceType(LPCWSTR type) {
    return type;
}
