// Registry-form GUID text, as manifests write class ids.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/host/guid_text.h"

namespace {

constexpr GUID kExample = {
    0x5C1FF33E, 0xBD99, 0x859E, {0xC9, 0xF6, 0xCB, 0x6B, 0x8E, 0x2F, 0x33, 0x03}};

TEST(ParseGuid, ReadsRegistryFormOnly) {
    struct Case {
        const char* text;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F3303}", true},
        {"{5c1ff33e-bd99-859e-c9f6-cb6b8e2f3303}", true},
        {"{5c1FF33e-BD99-859e-C9f6-cb6B8E2F3303}", true},
        {"5C1FF33E-BD99-859E-C9F6-CB6B8E2F3303", false},
        {"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F3303", false},
        {"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F33033}", false},
        {"{5C1FF33E-BD99-859E-C9F6CB6B8E2F3303-}", false},
        {"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F330G}", false},
        {"{5C1FF33E BD99-859E-C9F6-CB6B8E2F3303}", false},
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
