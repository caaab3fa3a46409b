#include "launcher/string_table_block.h"

#include <cstring>

namespace {

constexpr UINT kEntriesPerBlock = 16;
constexpr std::size_t kUnitSize = 2;

}  // namespace

WORD StringTableBlockNumber(UINT id) {
    const UINT block = id / kEntriesPerBlock + 1;
    // A wider number would be cut to 16 bits and name an unrelated block.
    return block <= 0xFFFF ? static_cast<WORD>(block) : 0;
}

StringTableEntry FindStringTableEntry(const void* block, std::size_t byteSize, UINT id) {
    const auto* position = static_cast<const unsigned char*>(block);
    std::size_t remaining = byteSize;
    for (UINT skip = id % kEntriesPerBlock;; --skip) {
        if (remaining < kUnitSize) {
            return {};
        }
        // Blocks are little-endian, as are both platforms we build for.
        WORD count = 0;
        std::memcpy(&count, position, kUnitSize);
        position += kUnitSize;
        remaining -= kUnitSize;
        const std::size_t textSize = std::size_t{count} * kUnitSize;
        if (textSize > remaining) {
            return {};
        }
        if (skip == 0) {
            if (count == 0) {
                return {};
            }
            return {reinterpret_cast<const WCHAR*>(position), count};
        }
        position += textSize;
        remaining -= textSize;
    }
}
