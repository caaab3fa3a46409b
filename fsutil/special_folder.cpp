#include "fsutil/special_folder.h"

#include "fsutil/folder_lookup.h"
#include "platform/unique_handles.h"
#include "platform/win32.h"

bool GetSpecialFolderPath(char* buffer, int folder, bool retryWithCreate) {
    if (buffer == nullptr) {
        return false;
    }
    buffer[0] = '\0';
    SetDllDirectoryA("");

    const UniqueLibrary shellFolders(LoadLibraryA("shfolder.dll"));
    if (!shellFolders) {
        return false;
    }
    // FARPROC stands for any signature; the detour through void(*)() says so to the compiler.
    const auto lookUp = reinterpret_cast<FolderPathFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(shellFolders.get(), "SHGetFolderPathA")));
    if (lookUp == nullptr) {
        return false;
    }
    return LookUpFolderPath(lookUp, buffer, folder, retryWithCreate);
}

bool GetDocumentsFolderPath(char* buffer) {
    return GetSpecialFolderPath(buffer, CSIDL_PERSONAL, true);
}
