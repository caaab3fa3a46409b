#include "platform/host/resource_image.h"

#include <cstring>
#include <optional>

namespace host {
namespace {

constexpr std::size_t kSizesLength = 8;     // data size, header size
constexpr std::size_t kTrailerLength = 16;  // data version .. characteristics

std::size_t AlignedTo4(std::size_t offset) {
    return (offset + 3) & ~static_cast<std::size_t>(3);
}

class Reader {
  public:
    Reader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool Has(std::size_t at, std::size_t length) const {
        return at <= size_ && length <= size_ - at;
    }
    std::uint16_t Word(std::size_t at) const {
        return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
    }
    std::uint32_t Dword(std::size_t at) const {
        return static_cast<std::uint32_t>(Word(at)) | static_cast<std::uint32_t>(Word(at + 2))
                                                          << 16;
    }

    // A type or name at `at` within a header that ends at `end`; moves `at` past it. An
    // integer id gives the id, a string gives nothing; false when the key runs past `end`.
    bool Key(std::size_t& at, std::size_t end, std::optional<std::uint16_t>& id) const {
        id.reset();
        if (at + 2 <= end && Word(at) == 0xFFFF) {
            if (at + 4 > end) {
                return false;
            }
            id = Word(at + 2);
            at += 4;
            return true;
        }
        for (; at + 2 <= end; at += 2) {
            if (Word(at) == 0) {
                at += 2;
                return true;
            }
        }
        return false;
    }

  private:
    const unsigned char* bytes_;
    std::size_t size_;
};

}  // namespace

std::vector<ResourceEntry> ParseResourceImage(const unsigned char* image, std::size_t size) {
    std::vector<ResourceEntry> entries;
    if (image == nullptr) {
        return entries;
    }
    const Reader reader(image, size);
    std::size_t record = 0;
    while (reader.Has(record, kSizesLength)) {
        const std::uint32_t dataSize = reader.Dword(record);
        const std::uint32_t headerSize = reader.Dword(record + 4);
        if (headerSize < kSizesLength + 2 + 2 + kTrailerLength || !reader.Has(record, headerSize) ||
            !reader.Has(record + headerSize, dataSize)) {
            break;
        }
        const std::size_t headerEnd = record + headerSize;
        std::size_t at = record + kSizesLength;
        std::optional<std::uint16_t> type;
        std::optional<std::uint16_t> name;
        const bool read = reader.Key(at, headerEnd, type) && reader.Key(at, headerEnd, name);
        at = AlignedTo4(at);
        if (!read || at + kTrailerLength > headerEnd) {
            break;
        }
        const bool empty = type == 0 && name == 0;
        if (type && name && !empty) {
            ResourceEntry entry;
            entry.type = *type;
            entry.name = *name;
            entry.language = reader.Word(at + 6);
            entry.data = image + headerEnd;
            entry.size = dataSize;
            entries.push_back(entry);
        }
        record = AlignedTo4(headerEnd + dataSize);
    }
    return entries;
}

}  // namespace host
