#include <cstdio>
#include <string>

#include "platform/win32.h"

HWND GetActiveWindow() {
    return nullptr;
}

int MessageBoxA(HWND /*owner*/, LPCSTR text, LPCSTR caption, UINT /*type*/) {
    std::string box = "[message box]";
    if (caption != nullptr) {
        box += ' ';
        box += HostAnsiToUtf8(caption);
    }
    box += '\n';
    box += HostAnsiToUtf8(text != nullptr ? text : "");
    box += "\n\n";
    // One write, so boxes from several threads do not interleave.
    std::fwrite(box.data(), 1, box.size(), stderr);
    std::fflush(stderr);
    return IDOK;
}
