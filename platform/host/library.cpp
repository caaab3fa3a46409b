#include <dlfcn.h>
#include <strings.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "platform/host/ansi_path.h"
#include "platform/host/loaded_library.h"
#include "platform/host/shell_folder.h"
#include "platform/win32.h"

namespace {

// The built-in module's handle is the address of this byte: no dlopen handle can equal it.
char g_builtinShellFolderModule;
std::atomic<int> g_builtinReferences{0};

std::mutex g_dllDirectoryMutex;
std::optional<std::string> g_dllDirectory;

HMODULE BuiltinModule() {
    return reinterpret_cast<HMODULE>(&g_builtinShellFolderModule);
}

bool IsBuiltinName(const char* fileName) {
    return strcasecmp(fileName, "shfolder.dll") == 0;
}

// Windows appends ".dll" to a name without an extension; a trailing dot says it has none.
std::string WithDefaultExtension(const char* fileName) {
    const auto* text = reinterpret_cast<const unsigned char*>(fileName);
    const unsigned char* dot = _mbsrchr(text, '.');
    const unsigned char* lastSeparator = std::max(_mbsrchr(text, '\\'), _mbsrchr(text, '/'));
    std::string name(fileName);
    if (dot == nullptr || dot < lastSeparator) {
        name += ".dll";
    } else if (dot[1] == '\0') {
        name.pop_back();
    }
    return name;
}

}  // namespace

// dlopen never looks in the current directory, so taking it out of the search order (the
// empty string) needs nothing more than the record.
BOOL SetDllDirectoryA(LPCSTR path) {
    const std::lock_guard<std::mutex> lock(g_dllDirectoryMutex);
    g_dllDirectory = path == nullptr ? std::nullopt : std::optional<std::string>(path);
    return TRUE;
}

DWORD GetDllDirectoryA(DWORD bufferLength, LPSTR buffer) {
    const std::string directory = HostDllDirectory().value_or("");
    if (buffer != nullptr && bufferLength > directory.size()) {
        std::memcpy(buffer, directory.c_str(), directory.size() + 1);
        return static_cast<DWORD>(directory.size());
    }
    if (buffer != nullptr && bufferLength > 0) {
        buffer[0] = '\0';
    }
    return static_cast<DWORD>(directory.size() + 1);
}

std::optional<std::string> HostDllDirectory() {
    const std::lock_guard<std::mutex> lock(g_dllDirectoryMutex);
    return g_dllDirectory;
}

int HostBuiltinLibraryReferences() {
    return g_builtinReferences.load();
}

HMODULE HostLoadedLibraryHandle(LPCSTR moduleName) {
    if (moduleName == nullptr || !IsBuiltinName(WithDefaultExtension(moduleName).c_str()) ||
        g_builtinReferences.load() == 0) {
        return nullptr;
    }
    return BuiltinModule();
}

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::string name = WithDefaultExtension(fileName);
    if (IsBuiltinName(name.c_str())) {
        ++g_builtinReferences;
        return BuiltinModule();
    }
    // dlopen of an empty name would hand back the program itself.
    void* const library = fileName[0] == '\0'
                              ? nullptr
                              : dlopen(HostToOsPath(name.c_str()).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return static_cast<HMODULE>(library);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    if (module == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // An ordinal (a number below 0x10000 in place of the name) is no name to read.
    if (reinterpret_cast<std::uintptr_t>(procName) < 0x10000) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    if (module == BuiltinModule()) {
        if (std::strcmp(procName, "SHGetFolderPathA") == 0) {
            return reinterpret_cast<FARPROC>(&BuiltinShGetFolderPathA);
        }
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* const symbol = dlsym(module, procName);
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (module == BuiltinModule()) {
        int references = g_builtinReferences.load();
        while (references > 0 &&
               !g_builtinReferences.compare_exchange_weak(references, references - 1)) {
        }
        if (references == 0) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        return TRUE;
    }
    if (dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
