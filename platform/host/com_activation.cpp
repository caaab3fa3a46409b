#include <optional>
#include <string>
#include <vector>

#include "platform/host/com_libraries.h"
#include "platform/host/manifest_classes.h"
#include "platform/resource_type.h"
#include "platform/unique_handles.h"
#include "platform/win32.h"

namespace {

constexpr WORD kApplicationManifestId = 1;

// What every component library exports, with C linkage.
using GetClassObjectEntry = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, LPVOID*);

// The library file that the executable's application manifest declares for the class.
std::optional<std::string> DeclaredLibrary(REFCLSID clsid) {
    const HMODULE executable = GetModuleHandleW(nullptr);
    const HRSRC manifest = FindResourceW(executable, MAKEINTRESOURCEW(kApplicationManifestId),
                                         WideResourceType(RT_MANIFEST));
    if (manifest == nullptr) {
        return std::nullopt;
    }
    const void* text = LockResource(LoadResource(executable, manifest));
    return host::FindComClassFile(text, SizeofResource(executable, manifest), clsid);
}

// The executable's folder with its trailing separator, in the ANSI code page.
std::string ExecutableFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            // The path is Windows-shaped; a trail byte 0x5C is no separator.
            const auto* text = reinterpret_cast<const unsigned char*>(path.data());
            const unsigned char* separator = _mbsrchr(text, '\\');
            return separator == nullptr ? std::string()
                                        : std::string(path.data(), separator - text + 1);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid,
                         LPVOID* object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!host::IsComInitializedOnThisThread()) {
        return CO_E_NOTINITIALIZED;
    }
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    const std::optional<std::string> fileName = DeclaredLibrary(clsid);
    if ((context & CLSCTX_INPROC_SERVER) == 0 || !fileName) {
        return REGDB_E_CLASSNOTREG;
    }
    const HMODULE library =
        host::ComLibraries::Get().Load(ExecutableFolder() + HostUtf8ToAnsi(*fileName));
    if (library == nullptr) {
        return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    }
    const auto getClassObject =
        reinterpret_cast<GetClassObjectEntry>(GetProcAddress(library, "DllGetClassObject"));
    if (getClassObject == nullptr) {
        return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    }
    UniqueInterface<IClassFactory> factory;
    const HRESULT found = getClassObject(clsid, IID_IClassFactory, PutVoid(factory));
    if (FAILED(found) || !factory) {
        return FAILED(found) ? found : CLASS_E_CLASSNOTAVAILABLE;
    }
    const HRESULT created = factory->CreateInstance(nullptr, iid, object);
    if (FAILED(created) || *object == nullptr) {
        *object = nullptr;
        return FAILED(created) ? created : E_NOINTERFACE;
    }
    return created;
}
