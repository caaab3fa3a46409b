// Registry-form GUID text, as manifests write class ids.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/host/guid_text.h"

namespace {

constexpr GUID kExample = {
    0x2A8DD00C, 0xFB66, 0x526C, {0xA6, 0xD3, 0xAF, 0x3F, 0x5C, 0x9D, 0x00, 0x70}};

TEST(ParseGuid, ReadsRegistryFormOnly) {
    struct Case {
        const char* text;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"{2A8DD00C-FB66-526C-A6D3-AF3F5C9D0070}", true},
        {"{2a8dd00c-fb66-526c-a6d3-af3f5c9d0070}", true},
        {"{2a8DD00c-FB66-526c-A6d3-af3F5C9D0070}", true},
        {"2A8DD00C-FB66-526C-A6D3-AF3F5C9D0070", false},
        {"{2A8DD00C-FB66-526C-A6D3-AF3F5C9D0070", false},
        {"{2A8DD00C-FB66-526C-A6D3-AF3F5C9D00700}", false},
        {"{2A8DD00C-FB66-526C-A6D3AF3F5C9D0070-}", false},
        {"{2A8DD00C-FB66-526C-A6D3-AF3F5C9D007G}", false},
        {"{2A8DD00C FB66-526C-A6D3-AF3F5C9D0070}", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const std::optional<GUID> guid = host::ParseGuid(c.text);
        EXPECT_EQ(guid.has_value(), c.valid) << c.text;
        if (guid && c.valid) {
            EXPECT_EQ(*guid, kExample) << c.text;
        }
    }
}

TEST(ParseGuid, PlacesEveryFieldInItsSlot) {
    const std::optional<GUID> guid = host::ParseGuid("{01234567-89AB-CDEF-0011-223344556677}");
    ASSERT_TRUE(guid.has_value());
    EXPECT_EQ(guid->Data1, 0x01234567u);
    EXPECT_EQ(guid->Data2, 0x89ABu);
    EXPECT_EQ(guid->Data3, 0xCDEFu);
    const std::vector<unsigned> data4(guid->Data4, guid->Data4 + 8);
    EXPECT_EQ(data4, (std::vector<unsigned>{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}));
}

TEST(Guid, HasTheWindowsLayout) {
    EXPECT_EQ(sizeof(GUID), 16u);
    EXPECT_EQ(offsetof(GUID, Data2), 4u);
    EXPECT_EQ(offsetof(GUID, Data3), 6u);
    EXPECT_EQ(offsetof(GUID, Data4), 8u);
}

}  // namespace
