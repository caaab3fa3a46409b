#include "launcher/startup.h"
#include "platform/win32.h"

// The run-time passes the start-up show mode here (SW_SHOWDEFAULT when the starter set
// none); the command-line tail is ignored in favour of the whole command line.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    return RunStartup(showCommand);
}
