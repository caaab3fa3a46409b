// The executable's application icon: icon group 1, which Explorer shows for the file, lists
// the sizes that Explorer's views use, and each entry names an icon image of that size.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/resource_type.h"
#include "platform/win32.h"

namespace {

constexpr WORD kIconGroupId = 1;
constexpr std::size_t kGroupHeaderBytes = 6;
constexpr std::size_t kGroupEntryBytes = 14;
constexpr std::size_t kBitmapHeaderBytes = 40;

struct Bytes {
    const unsigned char* data = nullptr;
    std::size_t size = 0;

    std::uint16_t Word(std::size_t at) const {
        return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
    }
    std::uint32_t Dword(std::size_t at) const {
        return static_cast<std::uint32_t>(Word(at)) | static_cast<std::uint32_t>(Word(at + 2))
                                                          << 16;
    }
};

Bytes ResourceBytes(LPCWSTR type, WORD id) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (found == nullptr) {
        return Bytes{};
    }
    return Bytes{static_cast<const unsigned char*>(LockResource(LoadResource(module, found))),
                 SizeofResource(module, found)};
}

// One entry of an icon group (GRPICONDIRENTRY): a width and height of 0 mean 256.
struct GroupEntry {
    unsigned width;
    unsigned height;
    unsigned bitCount;
    std::uint32_t bytes;
    WORD imageId;
};

std::vector<GroupEntry> Entries(const Bytes& group) {
    std::vector<GroupEntry> entries;
    const std::size_t count = group.Word(4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kGroupHeaderBytes + i * kGroupEntryBytes;
        entries.push_back({group.data[at] == 0 ? 256u : group.data[at],
                           group.data[at + 1] == 0 ? 256u : group.data[at + 1], group.Word(at + 6),
                           group.Dword(at + 8), group.Word(at + 12)});
    }
    return entries;
}

TEST(IconResource, GroupOneListsEachSizeOnce) {
    const Bytes group = ResourceBytes(WideResourceType(RT_GROUP_ICON), kIconGroupId);
    ASSERT_NE(group.data, nullptr) << "no icon group " << kIconGroupId;
    ASSERT_GE(group.size, kGroupHeaderBytes);
    EXPECT_EQ(group.Word(0), 0u) << "reserved";
    EXPECT_EQ(group.Word(2), 1u) << "type: icon, not cursor";
    ASSERT_EQ(group.size, kGroupHeaderBytes + group.Word(4) * kGroupEntryBytes);

    const std::vector<GroupEntry> entries = Entries(group);
    for (const unsigned size : {16u, 32u, 48u}) {
        int found = 0;
        for (const GroupEntry& entry : entries) {
            if (entry.width == size) {
                ++found;
                EXPECT_EQ(entry.height, size) << size << " px: square";
                EXPECT_EQ(entry.bitCount, 32u) << size << " px: colours with alpha";
            }
        }
        EXPECT_EQ(found, 1) << size << " px";
    }
    EXPECT_EQ(entries.size(), 3u) << "sizes beyond 16, 32 and 48 px";
}

TEST(IconResource, EachEntryNamesAnImageOfItsSize) {
    const Bytes group = ResourceBytes(WideResourceType(RT_GROUP_ICON), kIconGroupId);
    ASSERT_NE(group.data, nullptr) << "no icon group " << kIconGroupId;
    for (const GroupEntry& entry : Entries(group)) {
        const Bytes image = ResourceBytes(WideResourceType(RT_ICON), entry.imageId);
        ASSERT_NE(image.data, nullptr) << "icon image " << entry.imageId;
        EXPECT_EQ(image.size, entry.bytes) << "icon image " << entry.imageId;
        ASSERT_GE(image.size, kBitmapHeaderBytes) << "icon image " << entry.imageId;
        // A bitmap's height counts the colour image and the mask below it.
        EXPECT_EQ(image.Dword(0), kBitmapHeaderBytes) << "icon image " << entry.imageId;
        EXPECT_EQ(image.Dword(4), entry.width) << "icon image " << entry.imageId;
        EXPECT_EQ(image.Dword(8), 2 * entry.height) << "icon image " << entry.imageId;
        EXPECT_EQ(image.Word(14), entry.bitCount) << "icon image " << entry.imageId;
    }
}

}  // namespace
