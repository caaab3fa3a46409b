// Linked into one host test program, where these definitions win over the platform library's
// for every caller in the process. The layout is the one SysStringLen reads back below.
#include "recording_bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using ByteCount = std::uint32_t;

bool failNextAllocation = false;

unsigned char* PrefixOf(BSTR text) {
    return reinterpret_cast<unsigned char*>(text) - sizeof(ByteCount);
}

}  // namespace

std::vector<const void*>& FreedBstrs() {
    static std::vector<const void*> freed;
    return freed;
}

void FailNextBstrAllocation() {
    failNextAllocation = true;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    if (failNextAllocation) {
        failNextAllocation = false;
        return nullptr;
    }
    const ByteCount byteCount = static_cast<ByteCount>(length * sizeof(OLECHAR));
    auto* block =
        static_cast<unsigned char*>(std::malloc(sizeof(ByteCount) + byteCount + sizeof(OLECHAR)));
    if (block == nullptr) {
        return nullptr;
    }
    std::memcpy(block, &byteCount, sizeof byteCount);
    auto* characters = reinterpret_cast<OLECHAR*>(block + sizeof(ByteCount));
    if (text != nullptr) {
        std::memcpy(characters, text, byteCount);
    }
    characters[length] = 0;
    return characters;
}

void SysFreeString(BSTR text) {
    FreedBstrs().push_back(text);
    if (text != nullptr) {
        std::free(PrefixOf(text));
    }
}

UINT SysStringLen(BSTR text) {
    if (text == nullptr) {
        return 0;
    }
    ByteCount byteCount = 0;
    std::memcpy(&byteCount, PrefixOf(text), sizeof byteCount);
    return byteCount / sizeof(OLECHAR);
}
