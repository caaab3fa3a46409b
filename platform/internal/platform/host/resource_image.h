// The entries of a compiled resource file (.res): a run of records, each a header (data
// size, header size, type, name, data version, memory flags, language, version,
// characteristics) followed by the data, both padded to 4 bytes. Type and name are either
// 0xFFFF and a 16-bit id, or a zero-terminated UTF-16 string.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace host {

// Only records whose type and name are both integer ids are kept: the system looks
// resources up by id alone.
struct ResourceEntry {
    std::uint16_t type = 0;
    std::uint16_t name = 0;
    std::uint16_t language = 0;
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
};

// Reading stops at the first record that does not fit the image or is malformed; the
// records before it are kept. The empty record a .res file starts with is left out.
std::vector<ResourceEntry> ParseResourceImage(const unsigned char* image, std::size_t size);

}  // namespace host
