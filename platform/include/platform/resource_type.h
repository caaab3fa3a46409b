// Resource types for the wide lookups (FindResourceW, FindResourceExW). The SDK's RT_STRING
// and RT_MANIFEST follow UNICODE, which this system leaves undefined, so they are narrow.
#pragma once

#include "platform/win32.h"

// A type id made by MAKEINTRESOURCE is a number in a pointer's clothes: the same value names
// the same type whether read as narrow or wide.
inline LPCWSTR WideResourceType(LPCSTR type) {
    return reinterpret_cast<LPCWSTR>(type);
}

inline LPCWSTR WideResourceType(LPCWSTR type) {
    return type;
}
