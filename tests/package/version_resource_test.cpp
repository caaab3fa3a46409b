// The executable's version resource, found and read through the same resource calls that the
// launcher's string lookup uses: Japanese texts under Shift-JIS, the release's version.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/resource_type.h"
#include "platform/win32.h"
#include "version_info.h"

namespace {

constexpr WORD kVersionInfoId = 1;
constexpr WORD kJapanese = 0x0411;
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;

// The release this tree builds: 21.0.1.0.
constexpr std::uint32_t kVersionHigh = 21u << 16 | 0u;
constexpr std::uint32_t kVersionLow = 1u << 16 | 0u;

std::optional<VersionNode> JapaneseVersionInfo() {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceExW(module, WideResourceType(RT_VERSION),
                                        MAKEINTRESOURCEW(kVersionInfoId), kJapanese);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    return ParseVersionInfo(data, SizeofResource(module, found));
}

std::uint32_t DwordAt(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

TEST(VersionResource, FixedInfoCarriesTheReleaseVersion) {
    const std::optional<VersionNode> root = JapaneseVersionInfo();
    ASSERT_TRUE(root.has_value()) << "no well-formed Japanese version resource";
    EXPECT_EQ(root->key, u"VS_VERSION_INFO");
    ASSERT_EQ(root->value.size(), 52u) << "VS_FIXEDFILEINFO";
    struct Field {
        const char* name;
        std::size_t offset;
        std::uint32_t expected;
    };
    const std::vector<Field> fields = {
        {"signature", 0, kFixedInfoSignature},        // dwSignature
        {"file version, high", 8, kVersionHigh},      // dwFileVersionMS
        {"file version, low", 12, kVersionLow},       // dwFileVersionLS
        {"product version, high", 16, kVersionHigh},  // dwProductVersionMS
        {"product version, low", 20, kVersionLow},    // dwProductVersionLS
    };
    for (const Field& field : fields) {
        EXPECT_EQ(DwordAt(root->value, field.offset), field.expected) << field.name;
    }
}

TEST(VersionResource, JapaneseShiftJisBlockHoldsTheTexts) {
    const std::optional<VersionNode> root = JapaneseVersionInfo();
    ASSERT_TRUE(root.has_value()) << "no well-formed Japanese version resource";
    const VersionNode* stringInfo = root->Child(u"StringFileInfo");
    ASSERT_NE(stringInfo, nullptr);
    const VersionNode* japanese = stringInfo->Child(u"041103A4");
    ASSERT_NE(japanese, nullptr) << "no block for Japanese, code page 932";
    struct Entry {
        std::u16string key;
        std::u16string text;
    };
    const std::vector<Entry> entries = {
        {u"CompanyName", u"Norvale"},
        {u"FileDescription", u"Norvale Linkage 起動プログラム"},
        {u"FileVersion", u"21.0.1.0"},
        {u"InternalName", u"NvLinkLauncher"},
        {u"OriginalFilename", u"NvLinkLauncher.exe"},
        {u"ProductName", u"Norvale Linkage"},
        {u"ProductVersion", u"21.0.1.0"},
    };
    for (const Entry& entry : entries) {
        const VersionNode* value = japanese->Child(entry.key);
        ASSERT_NE(value, nullptr) << std::string(entry.key.begin(), entry.key.end());
        EXPECT_TRUE(value->isText);
        EXPECT_EQ(value->Text(), entry.text) << std::string(entry.key.begin(), entry.key.end());
    }
    EXPECT_EQ(japanese->children.size(), entries.size()) << "texts beyond the expected ones";
}

TEST(VersionResource, TranslationNamesJapaneseAndShiftJis) {
    const std::optional<VersionNode> root = JapaneseVersionInfo();
    ASSERT_TRUE(root.has_value()) << "no well-formed Japanese version resource";
    const VersionNode* varInfo = root->Child(u"VarFileInfo");
    ASSERT_NE(varInfo, nullptr);
    const VersionNode* translation = varInfo->Child(u"Translation");
    ASSERT_NE(translation, nullptr);
    EXPECT_EQ(translation->Words(), (std::vector<std::uint16_t>{kJapanese, 932}));
}

}  // namespace
