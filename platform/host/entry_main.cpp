// The C entry point of host programs: starts the program at WinMain, as the Windows run-time
// does for a GUI program.
#include "platform/win32.h"

int main(int, char**) {
    return WinMain(GetModuleHandleA(nullptr), nullptr, HostCommandLineTail(GetCommandLineA()),
                   SW_SHOWDEFAULT);
}
