// Library loading and the shell-folder lookup, directly and through fsutil.
#include <cctype>

#include "fsutil/special_folder.h"
#include "probe_hresult.h"
#include "probe_sections.h"

namespace {

using FolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// Where a path points is the machine's business; its form is the contract.
std::string Shape(const std::string& path) {
    std::string shape;
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
        path[2] == '\\') {
        shape = "drive-absolute";
    } else if (path.rfind("\\\\", 0) == 0) {
        shape = "unc";
    } else if (path.empty()) {
        shape = "empty";
    } else {
        shape = "other";
    }
    if (path.find('/') != std::string::npos) {
        shape += " with-slash";
    }
    if (!path.empty() && path.back() == '\\') {
        shape += " trailing-separator";
    }
    return shape;
}

std::string Token(const std::string& text, const std::string& documents) {
    if (text.empty() || text != documents) {
        return Quoted(text.c_str());
    }
    return "<documents>";
}

FolderPath LookUp(HMODULE library) {
    // FARPROC stands for any signature.
    return reinterpret_cast<FolderPath>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "SHGetFolderPathA")));
}

void ProbeLoading(ProbeOutput& output) {
    const char* const kNames[] = {"shfolder.dll", "SHFOLDER.DLL", "shfolder",
                                  "conformance-missing.dll", ""};
    for (const char* name : kNames) {
        SetLastError(0);
        const HMODULE library = LoadLibraryA(name);
        output.Line("library", "LoadLibraryA." + Printable(name),
                    ResultWithError(library != nullptr, GetLastError()));
        if (library == nullptr) {
            continue;
        }
        output.Line("library", "GetProcAddress.SHGetFolderPathA." + Printable(name),
                    std::to_string(LookUp(library) != nullptr));
        SetLastError(0);
        const bool missing = GetProcAddress(library, "NoSuchExport") != nullptr;
        output.Line("library", "GetProcAddress.NoSuchExport." + Printable(name),
                    ResultWithError(missing, GetLastError()));
        output.Line("library", "FreeLibrary." + Printable(name),
                    std::to_string(FreeLibrary(library) != FALSE));
    }
}

}  // namespace

void ProbeLibrary(const ProbeContext&, ProbeOutput& output) {
    output.Line("library", "SetDllDirectoryA.empty", std::to_string(SetDllDirectoryA("") != 0));
    output.Line("library", "SetDllDirectoryA.null", std::to_string(SetDllDirectoryA(nullptr) != 0));
    ProbeLoading(output);

    std::string documents;
    const HMODULE library = LoadLibraryA("shfolder.dll");
    const FolderPath lookUp = library == nullptr ? nullptr : LookUp(library);
    if (lookUp != nullptr) {
        const int kFolders[] = {CSIDL_PERSONAL, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, 0x7F};
        for (const int folder : kFolders) {
            for (const DWORD flags : {DWORD{SHGFP_TYPE_CURRENT}, DWORD{SHGFP_TYPE_DEFAULT}}) {
                char path[MAX_PATH] = "";
                const HRESULT result = lookUp(nullptr, folder, nullptr, flags, path);
                if (documents.empty() && result >= 0) {
                    documents = path;
                }
                output.Line("library",
                            "SHGetFolderPathA." + Hex32(static_cast<std::uint32_t>(folder)) + "." +
                                std::to_string(flags),
                            HresultText(result) + " " + (result >= 0 ? Shape(path) : "") + " " +
                                Token(path, documents));
            }
        }
    }
    if (library != nullptr) {
        FreeLibrary(library);
    }

    char buffer[MAX_PATH];
    for (const bool retry : {false, true}) {
        const bool found = GetSpecialFolderPath(buffer, CSIDL_PERSONAL, retry);
        output.Line("library", "GetSpecialFolderPath.personal." + std::to_string(retry),
                    std::to_string(found) + " " + Token(buffer, documents));
    }
    const bool unknown = GetSpecialFolderPath(buffer, 0x7F, false);
    output.Line("library", "GetSpecialFolderPath.7F", std::to_string(unknown));
    output.Line("library", "GetSpecialFolderPath.null",
                std::to_string(GetSpecialFolderPath(nullptr, CSIDL_PERSONAL, false)));
    const bool documentsFound = GetDocumentsFolderPath(buffer);
    output.Line("library", "GetDocumentsFolderPath",
                std::to_string(documentsFound) + " " + Token(buffer, documents));
}
