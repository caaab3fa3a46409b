#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/host/loaded_library.h"
#include "platform/host/resource_image.h"
#include "platform/win32.h"

// The executable's compiled resources, when the build embedded them (launcher_add_resources).
extern "C" const unsigned char HostEmbeddedResourcesBegin[] __attribute__((weak));
extern "C" const unsigned char HostEmbeddedResourcesEnd[] __attribute__((weak));

namespace {

// Language ids: the primary language in the low 10 bits, the sublanguage above.
constexpr WORD kNeutralLanguage = 0x0000;
constexpr WORD kJapanese = 0x0411;
constexpr WORD kEnglishUnitedStates = 0x0409;
constexpr WORD kPrimaryLanguageMask = 0x03FF;

// What the executable's module handle points at; only its address matters.
const char kExecutableModule = 0;

const std::vector<host::ResourceEntry>& ExecutableResources() {
    static const std::vector<host::ResourceEntry> entries = [] {
        const unsigned char* begin = HostEmbeddedResourcesBegin;
        const unsigned char* end = HostEmbeddedResourcesEnd;
        if (begin == nullptr || end == nullptr || end < begin) {
            return std::vector<host::ResourceEntry>{};
        }
        return host::ParseResourceImage(begin, static_cast<std::size_t>(end - begin));
    }();
    return entries;
}

bool IsExecutable(HMODULE module) {
    return module == nullptr || module == GetModuleHandleW(nullptr);
}

// An integer id (MAKEINTRESOURCEW); a string names nothing the system looks up.
std::optional<WORD> IdOf(LPCWSTR resource) {
    const auto value = reinterpret_cast<std::uintptr_t>(resource);
    return value >> 16 == 0 ? std::optional<WORD>(static_cast<WORD>(value)) : std::nullopt;
}

// Among the languages of one resource: for a neutral request the neutral one, the user's UI
// language, US English, then the first; otherwise only the language asked for.
const host::ResourceEntry* ChooseLanguage(const std::vector<const host::ResourceEntry*>& found,
                                          WORD language) {
    const auto withLanguage = [&](WORD wanted) -> const host::ResourceEntry* {
        const auto it = std::find_if(found.begin(), found.end(),
                                     [&](const auto* entry) { return entry->language == wanted; });
        return it != found.end() ? *it : nullptr;
    };
    if ((language & kPrimaryLanguageMask) != kNeutralLanguage) {
        return withLanguage(language);
    }
    for (const WORD candidate :
         {kNeutralLanguage, GetUserDefaultUILanguage(), kEnglishUnitedStates}) {
        if (const host::ResourceEntry* entry = withLanguage(candidate)) {
            return entry;
        }
    }
    return found.empty() ? nullptr : found.front();
}

HRSRC HandleOf(const host::ResourceEntry* entry) {
    return reinterpret_cast<HRSRC>(const_cast<host::ResourceEntry*>(entry));
}

// Only handles that FindResource gave out are read.
const host::ResourceEntry* EntryOf(HRSRC resource) {
    const std::vector<host::ResourceEntry>& entries = ExecutableResources();
    const auto* entry = reinterpret_cast<const host::ResourceEntry*>(resource);
    const bool givenOut = std::any_of(entries.begin(), entries.end(),
                                      [&](const host::ResourceEntry& e) { return &e == entry; });
    return givenOut ? entry : nullptr;
}

}  // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName != nullptr) {
        const HMODULE loaded = HostLoadedLibraryHandle(moduleName);
        if (loaded == nullptr) {
            SetLastError(ERROR_MOD_NOT_FOUND);
        }
        return loaded;
    }
    return reinterpret_cast<HMODULE>(const_cast<char*>(&kExecutableModule));
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName != nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return GetModuleHandleA(nullptr);
}

LANGID GetUserDefaultUILanguage() {
    return GetACP() == 932 ? kJapanese : kEnglishUnitedStates;
}

HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
    if (!IsExecutable(module)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if (type == nullptr || name == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::optional<WORD> wantedType = IdOf(type);
    const std::optional<WORD> wantedName = IdOf(name);
    bool typeFound = false;
    std::vector<const host::ResourceEntry*> found;
    for (const host::ResourceEntry& entry : ExecutableResources()) {
        if (entry.type == wantedType) {
            typeFound = true;
            if (entry.name == wantedName) {
                found.push_back(&entry);
            }
        }
    }
    if (found.empty()) {
        SetLastError(typeFound ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const host::ResourceEntry* chosen = ChooseLanguage(found, language);
    if (chosen == nullptr) {
        SetLastError(ERROR_RESOURCE_LANG_NOT_FOUND);
        return nullptr;
    }
    return HandleOf(chosen);
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    return FindResourceExW(module, type, name, kNeutralLanguage);
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    const host::ResourceEntry* entry = IsExecutable(module) ? EntryOf(resource) : nullptr;
    if (entry == nullptr) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return const_cast<unsigned char*>(entry->data);
}

LPVOID LockResource(HGLOBAL loaded) {
    return loaded;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    const host::ResourceEntry* entry = IsExecutable(module) ? EntryOf(resource) : nullptr;
    if (entry == nullptr) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return 0;
    }
    return entry->size;
}
