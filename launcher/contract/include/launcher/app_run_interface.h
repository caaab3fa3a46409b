// The launch interface of the application object. Its slots after IUnknown's are part of
// the binary contract with the component: append, never reorder.
#pragma once

#include <cstdint>

#include "platform/win32.h"

struct IAppRun : public IUnknown {
    // Runs the application to its end and returns the process's exit code. The command
    // string is borrowed for the call only.
    virtual std::int32_t STDMETHODCALLTYPE Run(BSTR commandString, std::int32_t showCommand) = 0;
};
