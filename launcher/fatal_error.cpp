#include "fatal_error.h"

#include "launcher/fatal_error_text.h"
#include "launcher/resource_modules.h"
#include "launcher/string_resource.h"

void ShowFatalError(UINT id) {
    const std::string text = ComposeFatalErrorText(LoadStringText(ProcessResourceModules(), id));
    // A null caption gives the system's default title; the answer tells us nothing.
    MessageBoxA(GetActiveWindow(), text.c_str(), nullptr, MB_OK | MB_ICONERROR);
}
