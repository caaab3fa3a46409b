// The identifiers under which the launcher creates the application object. The manifest's
// AppRun class and the component that implements it take them from here.
#pragma once

#include "platform/win32.h"

// The manifest is configured from this line; keep it in step with CLSID_AppRun.
#define APPRUN_CLSID_TEXT "{2A8DD00C-FB66-526C-A6D3-AF3F5C9D0070}"

inline constexpr CLSID CLSID_AppRun = {
    0x2A8DD00C, 0xFB66, 0x526C, {0xA6, 0xD3, 0xAF, 0x3F, 0x5C, 0x9D, 0x00, 0x70}};

inline constexpr IID IID_IAppRun = {
    0x82AFA8CE, 0xE16B, 0x55B4, {0xA4, 0xDB, 0x14, 0xBA, 0x3E, 0x35, 0x16, 0x4B}};
