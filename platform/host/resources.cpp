#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/host/resource_image.h"
#include "platform/win32.h"

// The executable's compiled resources, when the build embedded them (launcher_add_resources).
extern "C" const unsigned char HostEmbeddedResourcesBegin[] __attribute__((weak));
extern "C" const unsigned char HostEmbeddedResourcesEnd[] __attribute__((weak));

namespace {

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

bool EqualsIgnoringAsciiCase(const std::u16string& left, const std::u16string& right) {
    const auto lower = [](char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
    };
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(),
                      [&](char16_t a, char16_t b) { return lower(a) == lower(b); });
}

// "#123" names the integer id 123, as the resource functions read it.
std::optional<host::ResourceKey> KeyOf(LPCWSTR resource) {
    host::ResourceKey key;
    if (IS_INTRESOURCE(resource)) {
        key.id = static_cast<std::uint16_t>(reinterpret_cast<std::uintptr_t>(resource));
        return key;
    }
    if (resource[0] == u'#') {
        std::uint32_t id = 0;
        std::size_t at = 1;
        for (; resource[at] >= u'0' && resource[at] <= u'9' && id <= 0xFFFF; ++at) {
            id = id * 10 + static_cast<std::uint32_t>(resource[at] - u'0');
        }
        if (at == 1 || resource[at] != 0 || id > 0xFFFF) {
            return std::nullopt;
        }
        key.id = static_cast<std::uint16_t>(id);
        return key;
    }
    key.text = resource;
    return key.text.empty() ? std::nullopt : std::optional<host::ResourceKey>(key);
}

bool Matches(const host::ResourceKey& stored, const host::ResourceKey& wanted) {
    return wanted.text.empty() ? stored.text.empty() && stored.id == wanted.id
                               : EqualsIgnoringAsciiCase(stored.text, wanted.text);
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
    if (PRIMARYLANGID(language) != LANG_NEUTRAL) {
        return withLanguage(language);
    }
    for (const WORD candidate :
         {static_cast<WORD>(MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)), GetUserDefaultUILanguage(),
          static_cast<WORD>(MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT))}) {
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
    for (const host::ResourceEntry& candidate : entries) {
        if (&candidate == entry) {
            return entry;
        }
    }
    return nullptr;
}

}  // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName != nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
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
    return GetACP() == 932 ? MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)
                           : MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);
}

HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language) {
    if (!IsExecutable(module)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    const std::optional<host::ResourceKey> wantedType = type ? KeyOf(type) : std::nullopt;
    const std::optional<host::ResourceKey> wantedName = name ? KeyOf(name) : std::nullopt;
    if (!wantedType || !wantedName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    bool typeFound = false;
    std::vector<const host::ResourceEntry*> found;
    for (const host::ResourceEntry& entry : ExecutableResources()) {
        if (Matches(entry.type, *wantedType)) {
            typeFound = true;
            if (Matches(entry.name, *wantedName)) {
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
    return FindResourceExW(module, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
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
