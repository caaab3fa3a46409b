// FindResource and friends over the tests' own embedded resources (platform_test.rc): the
// language a lookup chooses, names and ids, and the errors of failed lookups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/resource_type.h"
#include "platform/win32.h"

namespace {

// Entry `index` of a string-table block, or nothing when the entry is empty.
std::u16string StringTableEntry(HRSRC block, unsigned index) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const auto* units = static_cast<const char16_t*>(LockResource(LoadResource(module, block)));
    const DWORD size = SizeofResource(module, block);
    std::size_t at = 0;
    for (unsigned i = 0; (at + 1) * 2 <= size; ++i) {
        const std::size_t count = units[at];
        if (i == index) {
            return std::u16string(units + at + 1, count);
        }
        at += 1 + count;
    }
    return std::u16string();
}

LPCWSTR StringType() {
    return WideResourceType(RT_STRING);
}

class AnsiCodePage {
  public:
    explicit AnsiCodePage(UINT codePage) { HostSetAnsiCodePage(codePage); }
    ~AnsiCodePage() { HostSetAnsiCodePage(0); }
};

TEST(FindResourceExW, ChoosesTheLanguageAsWindowsDoes) {
    struct Case {
        const char* name;
        WORD block;
        WORD language;
        unsigned entry;
        std::u16string expected;
    };
    const std::vector<Case> cases = {
        {"neutral asks: the user's language", 8, 0, 4, u"日本語"},
        {"Japanese asked", 8, 1041, 4, u"日本語"},
        {"English asked", 8, 1033, 4, u"English"},
        {"neutral asks, English only", 13, 0, 8, u"English only"},
        {"neutral asks, German only: the first", 19, 0, 12, u"Deutsch"},
        {"neutral asks, a neutral block wins", 26, 0, 0, u"neutral"},
        {"Japanese asked beside a neutral block", 26, 1041, 1, u"日本語 401"},
        {"user default language is neutral too", 8, 0x0400 /* neutral, default sublanguage */, 4,
         u"日本語"},
    };
    const AnsiCodePage shiftJis(932);
    for (const Case& c : cases) {
        const HRSRC block = FindResourceExW(GetModuleHandleW(nullptr), StringType(),
                                            MAKEINTRESOURCEW(c.block), c.language);
        ASSERT_NE(block, nullptr) << c.name;
        EXPECT_EQ(StringTableEntry(block, c.entry), c.expected) << c.name;
    }
}

TEST(FindResourceExW, UserLanguageFollowsTheCodePage) {
    const AnsiCodePage utf8(CP_UTF8);
    EXPECT_EQ(GetUserDefaultUILanguage(), 1033);
    const HRSRC block = FindResourceExW(nullptr, StringType(), MAKEINTRESOURCEW(8), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(StringTableEntry(block, 4), u"English");
}

TEST(FindResourceW, TakesNameBeforeTypeAndTheDefaultLanguage) {
    const AnsiCodePage shiftJis(932);
    const HRSRC byDefault = FindResourceW(nullptr, MAKEINTRESOURCEW(8), StringType());
    ASSERT_NE(byDefault, nullptr);
    EXPECT_EQ(byDefault, FindResourceExW(nullptr, StringType(), MAKEINTRESOURCEW(8), 1041));
    EXPECT_EQ(StringTableEntry(byDefault, 4), u"日本語");
}

// A resource named by a string (Greeting) sits before 7 in the file: it is passed over.
TEST(FindResourceW, FindsANumberedResourceAfterANamedOne) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(7), MAKEINTRESOURCEW(10));
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    // windres stores an RCDATA string without its terminator.
    EXPECT_EQ(std::string(data, SizeofResource(nullptr, found)), "seven");
}

TEST(FindResourceExW, ReportsWhyNothingWasFound) {
    struct Case {
        const char* name;
        HMODULE module;
        LPCWSTR type;
        LPCWSTR resource;
        WORD language;
        DWORD error;
    };
    int otherModule = 0;
    const std::vector<Case> cases = {
        {"no such type", nullptr, MAKEINTRESOURCEW(99), MAKEINTRESOURCEW(8), 0,
         ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"no such block", nullptr, StringType(), MAKEINTRESOURCEW(999), 0,
         ERROR_RESOURCE_NAME_NOT_FOUND},
        {"a name no lookup uses", nullptr, MAKEINTRESOURCEW(10), u"Greeting", 0,
         ERROR_RESOURCE_NAME_NOT_FOUND},
        {"null name", nullptr, StringType(), nullptr, 0, ERROR_INVALID_PARAMETER},
        {"language not there", nullptr, StringType(), MAKEINTRESOURCEW(8), 1031,
         ERROR_RESOURCE_LANG_NOT_FOUND},
        {"another module", reinterpret_cast<HMODULE>(&otherModule), StringType(),
         MAKEINTRESOURCEW(8), 0, ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(FindResourceExW(c.module, c.type, c.resource, c.language), nullptr) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
}

TEST(LoadResource, RefusesHandlesItDidNotGive) {
    int notAResource = 0;
    const HRSRC forged = reinterpret_cast<HRSRC>(&notAResource);
    EXPECT_EQ(LoadResource(nullptr, forged), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, forged), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

TEST(GetModuleHandle, NullNamesTheExecutable) {
    const HMODULE executable = GetModuleHandleW(nullptr);
    EXPECT_NE(executable, nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), executable);
    const HRSRC viaHandle = FindResourceW(executable, MAKEINTRESOURCEW(8), StringType());
    EXPECT_NE(viaHandle, nullptr);
    EXPECT_EQ(viaHandle, FindResourceW(nullptr, MAKEINTRESOURCEW(8), StringType()));
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("other.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

}  // namespace
