#include "launcher/string_resource.h"

#include <climits>

#include "launcher/string_table_block.h"
#include "platform/resource_type.h"

namespace {

LPCWSTR StringTableType() {
    return WideResourceType(RT_STRING);
}

// Resource memory belongs to the module; nothing here needs freeing.
StringTableEntry LookUpEntry(HMODULE module, HRSRC blockResource, UINT id) {
    if (blockResource == nullptr) {
        return {};
    }
    const HGLOBAL loaded = LoadResource(module, blockResource);
    if (loaded == nullptr) {
        return {};
    }
    const void* block = LockResource(loaded);
    if (block == nullptr) {
        return {};
    }
    return FindStringTableEntry(block, SizeofResource(module, blockResource), id);
}

// MessageBoxA reads its text in the process's code page, whatever the thread's locale says.
std::string ToAnsi(const StringTableEntry& entry) {
    if (entry.count > INT_MAX) {
        return {};
    }
    const int unitCount = static_cast<int>(entry.count);
    const int size =
        WideCharToMultiByte(CP_ACP, 0, entry.units, unitCount, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    const int written =
        WideCharToMultiByte(CP_ACP, 0, entry.units, unitCount, text.data(), size, nullptr, nullptr);
    text.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return text;
}

}  // namespace

std::string LoadStringText(const ResourceModules& modules, UINT id) {
    const WORD blockNumber = StringTableBlockNumber(id);
    if (blockNumber == 0) {
        return {};
    }
    const LPCWSTR blockName = MAKEINTRESOURCEW(blockNumber);
    for (std::size_t index = 0;; ++index) {
        const std::optional<HMODULE> module = modules.At(index);
        if (!module) {
            return {};
        }
        // Language 0 lets the system's resource-language fallback choose among the
        // block's languages; the text itself is then loaded with the default choice.
        const HRSRC neutralBlock = FindResourceExW(*module, StringTableType(), blockName, 0);
        if (LookUpEntry(*module, neutralBlock, id).IsPresent()) {
            const HRSRC block = FindResourceW(*module, blockName, StringTableType());
            return ToAnsi(LookUpEntry(*module, block, id));
        }
    }
}
