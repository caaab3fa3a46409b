// Stands in for the shell-folder library beside a test program. Each lookup is noted in
// STAND_IN_SHFOLDER_CALLS as "folder,flags;" and gives a fixed folder; on demand every lookup
// fails (STAND_IN_SHFOLDER_FAIL) or the library refuses to load (STAND_IN_SHFOLDER_REFUSE_LOAD).
// <windows.h> alone: the SDK's shell header declares the lookup as an import.
#include <windows.h>

#include <string>

namespace {

constexpr char kCallsVariable[] = "STAND_IN_SHFOLDER_CALLS";

bool IsSet(const char* variable) {
    return GetEnvironmentVariableA(variable, nullptr, 0) != 0;
}

void NoteCall(int folder, DWORD flags) {
    char calls[1024] = {};
    GetEnvironmentVariableA(kCallsVariable, calls, sizeof calls);
    const std::string noted =
        std::string(calls) + std::to_string(folder) + "," + std::to_string(flags) + ";";
    SetEnvironmentVariableA(kCallsVariable, noted.c_str());
}

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI
    SHGetFolderPathA(HWND, int folder, HANDLE, DWORD flags, LPSTR path) {
    NoteCall(folder, flags);
    if (IsSet("STAND_IN_SHFOLDER_FAIL")) {
        return E_FAIL;
    }
    lstrcpyA(path, "C:\\Stand-in\\Documents");
    return S_OK;
}

// A failed attach makes LoadLibraryA fail, as for a library that cannot be loaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    return reason != DLL_PROCESS_ATTACH || !IsSet("STAND_IN_SHFOLDER_REFUSE_LOAD");
}
