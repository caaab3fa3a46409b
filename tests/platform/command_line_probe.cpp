// Started by the command-line tests: prints, one per line, the process's command line, the
// tail and show command that WinMain was handed, and whether the instance handle is the
// executable's.
#include <cstdio>

#include "platform/win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLineTail,
                   int showCommand) {
    std::printf("%s\n%s\n%d\n%d\n", GetCommandLineA(), commandLineTail, showCommand,
                instance == GetModuleHandleA(nullptr) && previousInstance == nullptr ? 1 : 0);
    return GetCommandLineA() == GetCommandLineA() ? 0 : 1;
}
