// The thread's locale and what CP_THREAD_ACP means under it: a Japanese Windows whose formats
// are English reads the thread's text as 1252 and the process's as 932. The 1252 rows are
// Windows' own table.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"
#include "scoped_code_page.h"
#include "scoped_thread_locale.h"

namespace {

constexpr LCID kJapanese = 0x0411;

std::u16string ToWide(UINT codePage, const std::string& bytes) {
    std::u16string wide(bytes.size() + 1, u'\0');
    const int count = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                          wide.data(), static_cast<int>(wide.size()));
    wide.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return wide;
}

std::string ToNarrow(UINT codePage, const std::u16string& wide) {
    std::string narrow(wide.size() * 2 + 1, '\0');
    const int count =
        WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(),
                            static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return narrow;
}

TEST(ThreadLocale, StartsJapaneseOnEveryThread) {
    EXPECT_EQ(GetThreadLocale(), kJapanese);
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    LCID seen = 0;
    std::u16string read;
    std::thread other([&] {
        seen = GetThreadLocale();
        read = ToWide(CP_THREAD_ACP, "\x93\xFA");
    });
    other.join();
    EXPECT_EQ(seen, kJapanese);
    EXPECT_EQ(read, u"\u65E5");
    EXPECT_EQ(GetThreadLocale(), kEnglishThreadLocale);
}

TEST(ThreadLocale, ChangesTheThreadsCodePageAndNotTheProcesss) {
    const ScopedCodePage shiftJis(932);
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_EQ(ToWide(CP_THREAD_ACP, "\x93\xFA\x96\x7B"), u"\u201C\u00FA\u2013{");
    EXPECT_EQ(ToWide(CP_ACP, "\x93\xFA\x96\x7B"), u"\u65E5\u672C");
    EXPECT_EQ(ToNarrow(CP_THREAD_ACP, u"\u65E5\u672C"), "??");
    EXPECT_EQ(ToNarrow(CP_ACP, u"\u65E5\u672C"), "\x93\xFA\x96\x7B");
    // MAKELCID's sort order 0 is the same locale.
    ASSERT_TRUE(SetThreadLocale(MAKELCID(0x0411, SORT_DEFAULT)));
    EXPECT_EQ(ToWide(CP_THREAD_ACP, "\x93\xFA"), u"\u65E5");
}

TEST(ThreadLocale, RefusesALocaleTheLayerDoesNotKnow) {
    const std::vector<LCID> unknown = {MAKELCID(0x0407, SORT_DEFAULT), MAKELCID(0x0411, 1), 0};
    for (const LCID locale : unknown) {
        SetLastError(0);
        EXPECT_FALSE(SetThreadLocale(locale)) << locale;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << locale;
        EXPECT_EQ(GetThreadLocale(), kJapanese) << locale;
    }
}

TEST(ThreadLocale, Utf8ProcessCodePageMakesEveryLocaleUtf8) {
    const ScopedCodePage utf8(CP_UTF8);
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    EXPECT_EQ(ToWide(CP_THREAD_ACP, "\xE8\xA1\xA8"), u"\u8868");
}

struct Windows1252Case {
    const char* name;
    std::string bytes;
    std::u16string wide;
};

TEST(Windows1252, ConvertsBothWaysByWindowsTable) {
    const std::vector<Windows1252Case> cases = {
        {"ascii", "C:\\a.txt", u"C:\\a.txt"},
        {"euro", "\x80", u"\u20AC"},
        {"undefined bytes keep their C1 value", "\x81\x8D\x8F\x90\x9D",
         u"\u0081\u008D\u008F\u0090\u009D"},
        {"quotes", "\x91\x92\x93\x94", u"\u2018\u2019\u201C\u201D"},
        {"dashes", "\x96\x97", u"\u2013\u2014"},
        {"last of the high controls", "\x9F", u"\u0178"},
        {"Latin-1 half", "\xA0\xE9\xFF", u"\u00A0\u00E9\u00FF"},
    };
    const ScopedThreadLocale english(kEnglishThreadLocale);
    ASSERT_TRUE(english.Switched());
    for (const Windows1252Case& c : cases) {
        EXPECT_EQ(ToWide(1252, c.bytes), c.wide) << c.name;
        EXPECT_EQ(ToWide(CP_THREAD_ACP, c.bytes), c.wide) << c.name;
        EXPECT_EQ(ToNarrow(1252, c.wide), c.bytes) << c.name;
        EXPECT_EQ(ToNarrow(CP_THREAD_ACP, c.wide), c.bytes) << c.name;
    }
}

TEST(Windows1252, KanaAndKanjiBecomeQuestionMarks) {
    EXPECT_EQ(ToNarrow(1252, u"a\u8868\u3042z"), "a??z");
}

}  // namespace
