#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/host/ansi_path.h"
#include "platform/win32.h"

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    if (module != nullptr || fileName == nullptr || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    char utf8[4096];
    const ssize_t length = readlink("/proc/self/exe", utf8, sizeof utf8 - 1);
    if (length <= 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        fileName[0] = '\0';
        return 0;
    }
    const std::string ansi =
        HostWindowsPathOfOsPath(std::string(utf8, static_cast<std::size_t>(length)));
    if (ansi.size() >= size) {
        std::memcpy(fileName, ansi.data(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, ansi.c_str(), ansi.size() + 1);
    return static_cast<DWORD>(ansi.size());
}

DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(getpid());
}
