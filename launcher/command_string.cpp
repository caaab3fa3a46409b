#include "launcher/command_string.h"

// GetCommandLineA hands out the line in the process's code page. The thread's can differ (it
// follows the user's formats), so CP_THREAD_ACP would garble a Japanese name there.
UniqueBstr MakeCommandString(const char* commandLine) {
    // The count includes the terminator, so anything below 1 is a failed conversion;
    // letting it through would ask SysAllocStringLen for a negative length.
    const int unitCount = MultiByteToWideChar(CP_ACP, 0, commandLine, -1, nullptr, 0);
    if (unitCount < 1) {
        return nullptr;
    }
    UniqueBstr commandString(SysAllocStringLen(nullptr, static_cast<UINT>(unitCount - 1)));
    if (!commandString) {
        return nullptr;
    }
    // The terminator lands in the slot that the BSTR keeps after its characters.
    const int written =
        MultiByteToWideChar(CP_ACP, 0, commandLine, -1, commandString.get(), unitCount);
    if (written != unitCount) {
        return nullptr;
    }
    return commandString;
}
