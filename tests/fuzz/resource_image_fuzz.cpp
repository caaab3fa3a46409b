// The .res reader against any bytes: every entry it keeps lies inside the image and inside
// its own record, the entries come in file order, and a second, plainly written walk of the
// record headers keeps the same ones.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/host/resource_image.h"

namespace {

struct Record {
    std::size_t begin = 0;  // the record's first byte
    std::size_t end = 0;    // one past its data
    host::ResourceEntry entry;
    bool kept = false;
};

std::uint32_t LittleEndian(const std::vector<unsigned char>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

// Skips one type or name field starting at `at` and ending before `limit`. Returns the
// offset after it, or 0 when the field does not end inside the header; `id` is -1 for a
// string, else the integer id.
std::size_t SkipKey(const std::vector<unsigned char>& bytes, std::size_t at, std::size_t limit,
                    long& id) {
    id = -1;
    if (limit - at >= 2 && LittleEndian(bytes, at, 2) == 0xFFFF) {
        if (limit - at < 4) {
            return 0;
        }
        id = static_cast<long>(LittleEndian(bytes, at + 2, 2));
        return at + 4;
    }
    while (limit - at >= 2) {
        const bool terminator = LittleEndian(bytes, at, 2) == 0;
        at += 2;
        if (terminator) {
            return at;
        }
    }
    return 0;
}

// Walks the records from the start; stops at the first one that is damaged.
std::vector<Record> ReferenceWalk(const std::vector<unsigned char>& bytes) {
    std::vector<Record> records;
    std::size_t offset = 0;
    while (bytes.size() >= 8 && offset <= bytes.size() - 8) {
        const std::uint64_t dataSize = LittleEndian(bytes, offset, 4);
        const std::uint64_t headerSize = LittleEndian(bytes, offset + 4, 4);
        const std::uint64_t left = bytes.size() - offset;
        // Sizes, two one-unit keys at least, and the 16 bytes of version and flags.
        if (headerSize < 28 || headerSize > left || dataSize > left - headerSize) {
            break;
        }
        const std::size_t headerEnd = offset + static_cast<std::size_t>(headerSize);
        long type = -1;
        long name = -1;
        std::size_t at = SkipKey(bytes, offset + 8, headerEnd, type);
        if (at != 0) {
            at = SkipKey(bytes, at, headerEnd, name);
        }
        if (at == 0) {
            break;
        }
        while (at % 4 != 0) {
            ++at;
        }
        if (at > headerEnd || headerEnd - at < 16) {
            break;
        }
        Record record;
        record.begin = offset;
        record.end = headerEnd + static_cast<std::size_t>(dataSize);
        record.kept = type >= 0 && name >= 0 && !(type == 0 && name == 0);
        record.entry.type = static_cast<std::uint16_t>(type);
        record.entry.name = static_cast<std::uint16_t>(name);
        record.entry.language = static_cast<std::uint16_t>(LittleEndian(bytes, at + 6, 2));
        record.entry.data = bytes.data() + headerEnd;
        record.entry.size = static_cast<std::uint32_t>(dataSize);
        records.push_back(record);
        offset = (record.end + 3) / 4 * 4;
    }
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exactly sized copy, so that reading one byte past the image is an error.
    const std::vector<unsigned char> image(data, data + size);
    const std::vector<host::ResourceEntry> entries =
        host::ParseResourceImage(image.data(), image.size());

    std::vector<Record> kept;
    for (const Record& record : ReferenceWalk(image)) {
        if (record.kept) {
            kept.push_back(record);
        }
    }
    if (entries.size() != kept.size()) {
        std::abort();
    }
    const unsigned char* const begin = image.data();
    const unsigned char* previousEnd = begin;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const host::ResourceEntry& entry = entries[i];
        const Record& record = kept[i];
        // Inside the image, inside the record, after the entry before it.
        if (entry.data < previousEnd || entry.data < begin + record.begin ||
            entry.size > static_cast<std::size_t>(begin + record.end - entry.data) ||
            record.end > image.size()) {
            std::abort();
        }
        if (entry.type != record.entry.type || entry.name != record.entry.name ||
            entry.language != record.entry.language || entry.data != record.entry.data ||
            entry.size != record.entry.size) {
            std::abort();
        }
        previousEnd = entry.data + entry.size;
    }
    return 0;
}
