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

// The release this tree builds: the project's version, as the build passes it, with a fourth
// part of 0.
constexpr std::uint32_t kVersionHigh =
    std::uint32_t{LAUNCHER_VERSION_MAJOR} << 16 | std::uint32_t{LAUNCHER_VERSION_MINOR};
constexpr std::uint32_t kVersionLow = std::uint32_t{LAUNCHER_VERSION_PATCH} << 16 | 0u;
const std::u16string kVersionText = u"" LAUNCHER_VERSION ".0";

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

// Built from a git checkout (the build says so), the version resource names the commit.
constexpr bool kBuiltFromGit = LAUNCHER_BUILT_FROM_GIT;

const std::u16string kDecimal = u"0123456789";
const std::u16string kLowerHex = u"0123456789abcdef";

// A text of fixed words around a run of `digits` characters from `digitSet`.
struct ShapedEntry {
    std::u16string key;
    std::u16string before;
    std::size_t digits;
    std::u16string digitSet;
    std::u16string after;
};

bool HasShape(const std::u16string& text, const ShapedEntry& shape) {
    if (text.size() != shape.before.size() + shape.digits + shape.after.size() ||
        text.compare(0, shape.before.size(), shape.before) != 0 ||
        text.compare(text.size() - shape.after.size(), shape.after.size(), shape.after) != 0) {
        return false;
    }
    const std::u16string run = text.substr(shape.before.size(), shape.digits);
    return run.find_first_not_of(shape.digitSet) == std::u16string::npos;
}

// For messages: the key or text's code units, non-ASCII ones as '?'.
std::string Narrow(const std::u16string& text) {
    std::string narrow;
    for (const char16_t unit : text) {
        narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    return narrow;
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
        {u"FileVersion", kVersionText},
        {u"InternalName", u"NvLinkLauncher"},
        {u"OriginalFilename", u"NvLinkLauncher.exe"},
        {u"ProductName", u"Norvale Linkage"},
        {u"ProductVersion", kVersionText},
    };
    for (const Entry& entry : entries) {
        const VersionNode* value = japanese->Child(entry.key);
        ASSERT_NE(value, nullptr) << Narrow(entry.key);
        EXPECT_TRUE(value->isText);
        EXPECT_EQ(value->Text(), entry.text) << Narrow(entry.key);
    }
    // The texts that vary by build: the copyright's year is the commit's, the comment names
    // the commit, or says it is unknown when the source was not a git checkout.
    const std::vector<ShapedEntry> shapedEntries = {
        {u"LegalCopyright", u"Copyright (C) ", 4, kDecimal, u" Norvale"},
        kBuiltFromGit ? ShapedEntry{u"Comments", u"コミット ", 12, kLowerHex, u""}
                      : ShapedEntry{u"Comments", u"コミット unknown", 0, u"", u""},
    };
    for (const ShapedEntry& entry : shapedEntries) {
        const VersionNode* value = japanese->Child(entry.key);
        ASSERT_NE(value, nullptr) << Narrow(entry.key);
        EXPECT_TRUE(value->isText);
        EXPECT_TRUE(HasShape(value->Text(), entry))
            << Narrow(entry.key) << ": " << Narrow(value->Text());
    }
    EXPECT_EQ(japanese->children.size(), entries.size() + shapedEntries.size())
        << "texts beyond the expected ones";
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
