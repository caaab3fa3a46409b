// String-table blocks of any content and size: the lookup reads nothing outside the block
// (the block sits in a heap buffer of exactly its size, so AddressSanitizer sees a read past
// it), and a present entry is the one a walk over the 16 counted entries finds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "launcher/string_table_block.h"
#include "fuzz_support.h"

namespace {

struct ReferenceEntry {
    std::size_t offset = 0;  // of the first unit, in bytes
    std::size_t count = 0;   // 0: absent
};

ReferenceEntry ReferenceFind(const unsigned char* block, std::size_t size, std::uint32_t id) {
    std::size_t offset = 0;
    for (std::uint32_t entry = 0; entry < 16; ++entry) {
        if (offset + 2 > size) {
            return {};
        }
        const std::size_t count = block[offset] | std::size_t{block[offset + 1]} << 8;
        offset += 2;
        if (offset + 2 * count > size) {
            return {};
        }
        if (entry == id % 16) {
            return {offset, count};
        }
        offset += 2 * count;
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::uint32_t id = provider.ConsumeIntegral<std::uint32_t>();
    const std::vector<unsigned char> bytes = provider.ConsumeRemainingBytes<unsigned char>();
    const std::size_t blockSize = bytes.size();
    const auto block = std::make_unique<unsigned char[]>(blockSize);
    if (blockSize != 0) {
        std::memcpy(block.get(), bytes.data(), blockSize);
    }

    const std::uint64_t blockNumber = std::uint64_t{id} / 16 + 1;
    Require(StringTableBlockNumber(id) == (blockNumber <= 0xFFFF ? blockNumber : 0));

    const StringTableEntry entry = FindStringTableEntry(block.get(), blockSize, id);
    const ReferenceEntry expected = ReferenceFind(block.get(), blockSize, id);
    Require(entry.IsPresent() == (expected.count != 0));
    if (!entry.IsPresent()) {
        return 0;
    }
    const auto* first = reinterpret_cast<const unsigned char*>(entry.units);
    Require(first >= block.get() + 2 && first + 2 * entry.count <= block.get() + blockSize);
    Require(first == block.get() + expected.offset && entry.count == expected.count);
    // Reading every unit lets AddressSanitizer check the whole entry, not only its start.
    Require(std::memcmp(first, bytes.data() + expected.offset, 2 * entry.count) == 0);
    return 0;
}
