// What the launcher and a component library agree on: the AppRun class id, the launch
// interface and its id. Component vendors build against this same file from the component
// kit, so it reaches nothing of the project's own, only the Windows SDK (on the host build the
// platform layer stands in for those headers). The interface's slots after IUnknown's are
// part of the binary contract: append, never reorder.
#pragma once

#include <cstdint>

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

// The manifest is configured from this line; keep it in step with CLSID_AppRun.
#define APPRUN_CLSID_TEXT "{2A8DD00C-FB66-526C-A6D3-AF3F5C9D0070}"

inline constexpr CLSID CLSID_AppRun = {
    0x2A8DD00C, 0xFB66, 0x526C, {0xA6, 0xD3, 0xAF, 0x3F, 0x5C, 0x9D, 0x00, 0x70}};

inline constexpr IID IID_IAppRun = {
    0x82AFA8CE, 0xE16B, 0x55B4, {0xA4, 0xDB, 0x14, 0xBA, 0x3E, 0x35, 0x16, 0x4B}};

struct IAppRun : public IUnknown {
    // Runs the application to its end and returns the process's exit code. The command
    // string is borrowed for the call only.
    virtual std::int32_t STDMETHODCALLTYPE Run(BSTR commandString, std::int32_t showCommand) = 0;
};
