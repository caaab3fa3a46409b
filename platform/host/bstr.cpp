#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "platform/win32.h"

namespace {

using ByteCount = std::uint32_t;

// The allocation starts at the length prefix; the BSTR points just past it.
unsigned char* PrefixOf(BSTR text) {
    return reinterpret_cast<unsigned char*>(text) - sizeof(ByteCount);
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    // The byte count must fit its 32-bit prefix, with room left for prefix and terminator.
    constexpr std::size_t kMaxLength =
        (std::numeric_limits<ByteCount>::max() - sizeof(ByteCount) - sizeof(OLECHAR)) /
        sizeof(OLECHAR);
    if (length > kMaxLength) {
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
