// MultiByteToWideChar and WideCharToMultiByte: Shift-JIS and UTF-8 both ways, replacement of
// text that does not convert, and the Windows conventions for lengths and sizes. The Shift-JIS
// rows are what Windows' own conversion (Wine's kernel32, code page 932) gave.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

// The 23 UTF-16 units of string 10010 and its 40 Shift-JIS bytes.
const std::u16string kCreateFailedText = u"AppRunオブジェクトの作成に失敗しました。";
const std::string kCreateFailedShiftJis =
    "AppRun\x83\x49\x83\x75\x83\x57\x83\x46\x83\x4e\x83\x67\x82\xcc\x8d\xec\x90\xac\x82\xc9"
    "\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42";

class AnsiCodePage {
  public:
    explicit AnsiCodePage(UINT codePage) { HostSetAnsiCodePage(codePage); }
    ~AnsiCodePage() { HostSetAnsiCodePage(0); }
};

std::u16string ToWide(UINT codePage, const std::string& bytes) {
    const int size =
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(size), u'\0');
    if (size > 0) {
        EXPECT_EQ(size, MultiByteToWideChar(codePage, 0, bytes.data(),
                                            static_cast<int>(bytes.size()), wide.data(), size));
    }
    return wide;
}

std::string ToNarrow(UINT codePage, const std::u16string& wide) {
    const int size = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    if (size > 0) {
        EXPECT_EQ(size, WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                            narrow.data(), size, nullptr, nullptr));
    }
    return narrow;
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string expected;
};

TEST(MultiByteToWideChar, DecodesShiftJis) {
    const std::vector<DecodeCase> cases = {
        {"ascii", "abc", u"abc"},
        {"kanji with backslash trail byte", "\x95\x5C", u"\u8868"},
        {"path ending in that kanji", "C:\\x\\\x95\x5C", u"C:\\x\\\u8868"},
        {"half-width katakana", "\xB1", u"\uFF71"},
        {"string 10010", kCreateFailedShiftJis, kCreateFailedText},
        {"yen and overline bytes stay ASCII", "\x5C\x7E", u"\\~"},
        {"full-width backslash", "\x81\x5F", u"\uFF3C"},
        {"katakana middle dot", "\x81\x45", u"\u30FB"},
        {"NEC row 13", "\x87\x40", u"\u2460"},
        {"IBM extension", "\xFA\x40", u"\u2170"},
        {"NEC-selected IBM extension", "\xED\x40", u"\u7E8A"},
        {"last IBM extension", "\xFC\x4B", u"\u9ED1"},
        {"user-defined area, first", "\xF0\x40", u"\uE000"},
        {"user-defined area, after the DEL gap", "\xF0\x80", u"\uE03F"},
        {"user-defined area, last", "\xF9\xFC", u"\uE757"},
        {"bytes outside JIS", "\x80\xA0\xFD\xFE\xFF", u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"},
        {"lead byte at the end", "a\x81", u"a\u30FB"},
        {"lead byte takes a blank with it", "a\x81 b", u"a\u30FBb"},
        {"lead byte takes a quote with it", "\x81\"x", u"\u30FBx"},
        {"lead byte takes DEL with it", "\x81\x7F", u"\u30FB"},
        {"a lead byte can be a trail byte", "\x81\x81\x40", u"\uFF1D@"},
        {"lead byte leaves a NUL alone", std::string("\x81\0b", 3),
         std::u16string(u"\u30FB\0b", 3)},
        {"trail byte above the range", "\x81\xFD", u"\u30FB"},
        {"unassigned pair", "\x85\x40", u"\u30FB"},
    };
    const AnsiCodePage shiftJis(932);
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(ToWide(932, c.bytes), c.expected) << c.name;
        EXPECT_EQ(ToWide(CP_THREAD_ACP, c.bytes), c.expected) << c.name;
    }
}

TEST(MultiByteToWideChar, DecodesUtf8) {
    const std::vector<DecodeCase> cases = {
        {"ascii", "abc", u"abc"},
        {"three bytes", "\xE8\xA1\xA8", u"\u8868"},
        {"four bytes to a surrogate pair", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
        {"cut sequence then ASCII", "\xE3\x81\x41", u"\uFFFD\x41"},
        {"cut sequence at the end", "a\xE3\x81", u"a\uFFFD"},
        {"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"lone continuation", "\x80", u"\uFFFD"},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(ToWide(CP_UTF8, c.bytes), c.expected) << c.name;
    }
}

struct EncodeCase {
    const char* name;
    std::u16string wide;
    std::string expected;
};

TEST(WideCharToMultiByte, EncodesShiftJis) {
    const std::vector<EncodeCase> cases = {
        {"ascii", u"abc", "abc"},
        {"kanji", u"\u8868", "\x95\x5C"},
        {"half-width katakana", u"\uFF71", "\xB1"},
        {"string 10010", kCreateFailedText, kCreateFailedShiftJis},
        {"katakana middle dot is a real character", u"\u30FB", "\x81\x45"},
        // A character with several codes gets the one Windows writes.
        {"approximately equal: JIS row, not NEC", u"\u2252", "\x81\xE0"},
        {"because: JIS row, not NEC or IBM", u"\u2235", "\x81\xE6"},
        {"circled one: NEC row 13", u"\u2460", "\x87\x40"},
        {"roman one: NEC row 13, not IBM", u"\u2160", "\x87\x54"},
        {"small roman one: IBM, not NEC's copy", u"\u2170", "\xFA\x40"},
        {"IBM kanji, not NEC's copy", u"\u7E8A", "\xFA\x5C"},
        {"not sign: JIS row", u"\uFFE2", "\x81\xCA"},
        {"full-width broken bar: IBM", u"\uFFE4", "\xFA\x55"},
        {"user-defined area", u"\uE000\uE757", "\xF0\x40\xF9\xFC"},
        {"past the user-defined area", u"\uE758", "?"},
        {"bytes outside JIS come back", u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3", "\x80\xA0\xFD\xFE\xFF"},
        // Windows writes a similar character where it has one.
        {"best fit: yen sign", u"\u00A5", "\x5C"},
        {"best fit: accented letter", u"caf\u00E9", "cafe"},
        {"best fit: middle dot", u"\u00B7", "\x81\x45"},
        {"best fit: hiragana vu", u"\u3094", "\x83\x94"},
        {"best fit: not sign", u"\u00AC", "\x81\xCA"},
        {"parallel: its own code", u"\u2225", "\x81\x61"},
        {"full-width tilde: its own code", u"\uFF5E", "\x81\x60"},
        {"wave dash: none", u"\u301C", "?"},
        {"em dash: none", u"\u2014", "?"},
        {"surrogate pair: one '?' per unit", u"\xD83D\xDE00", "??"},
        {"lone high surrogate",
         u"\xD83D"
         u"A",
         "?A"},
        {"lone low surrogate", u"\xDC00", "?"},
    };
    const AnsiCodePage shiftJis(932);
    for (const EncodeCase& c : cases) {
        EXPECT_EQ(ToNarrow(932, c.wide), c.expected) << c.name;
        EXPECT_EQ(ToNarrow(CP_THREAD_ACP, c.wide), c.expected) << c.name;
    }
}

TEST(WideCharToMultiByte, EncodesUtf8) {
    const std::vector<EncodeCase> cases = {
        {"ascii", u"abc", "abc"},
        {"kanji", u"\u8868", "\xE8\xA1\xA8"},
        {"surrogate pair", u"\xD83D\xDE00", "\xF0\x9F\x98\x80"},
        {"lone high surrogate",
         u"\xD83D"
         u"A",
         "\xEF\xBF\xBD"
         "A"},
        {"lone low surrogate", u"\xDE00", "\xEF\xBF\xBD"},
    };
    for (const EncodeCase& c : cases) {
        EXPECT_EQ(ToNarrow(CP_UTF8, c.wide), c.expected) << c.name;
    }
}

TEST(TextConversion, AnsiCodePageFollowsTheProcess) {
    struct Case {
        UINT ansiCodePage;
        UINT codePage;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {932, CP_ACP, "\x95\x5C"},
        {932, CP_THREAD_ACP, "\x95\x5C"},
        {65001, CP_ACP, "\xE8\xA1\xA8"},
        {65001, CP_THREAD_ACP, "\xE8\xA1\xA8"},
    };
    for (const Case& c : cases) {
        const AnsiCodePage codePage(c.ansiCodePage);
        EXPECT_EQ(ToWide(c.codePage, c.bytes), u"\u8868") << c.ansiCodePage;
        EXPECT_EQ(ToNarrow(c.codePage, u"\u8868"), c.bytes) << c.ansiCodePage;
    }
}

// The calling pattern of the launcher: -1 counts the terminator, a size query comes first.
TEST(MultiByteToWideChar, FollowsWindowsLengthRules) {
    const char text[] =
        "\x95\x5C"
        "a";  // 3 bytes, 2 characters, then the terminator
    WCHAR buffer[8];
    struct Case {
        const char* name;
        int inputLength;
        int outputSize;
        int expected;
        DWORD error;
    };
    const std::vector<Case> cases = {
        {"terminated, size query", -1, 0, 3, 0},
        {"terminated, exact room", -1, 3, 3, 0},
        {"counted, size query", 3, 0, 2, 0},
        {"counted, roomy", 3, 8, 2, 0},
        {"terminated, no room for the terminator", -1, 2, 0, ERROR_INSUFFICIENT_BUFFER},
        {"counted, too small", 3, 1, 0, ERROR_INSUFFICIENT_BUFFER},
        {"empty input", 0, 8, 0, ERROR_INVALID_PARAMETER},
        {"negative output size", -1, -1, 0, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        const int result = MultiByteToWideChar(932, 0, text, c.inputLength,
                                               c.outputSize == 0 ? nullptr : buffer, c.outputSize);
        EXPECT_EQ(result, c.expected) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
    ASSERT_EQ(MultiByteToWideChar(932, 0, text, -1, buffer, 8), 3);
    EXPECT_EQ(std::u16string(buffer, 3), std::u16string(u"\u8868a\0", 3));
}

TEST(WideCharToMultiByte, FollowsWindowsLengthRules) {
    const WCHAR text[] = u"\u8868a";  // 3 bytes in Shift-JIS, then the terminator
    char buffer[8];
    struct Case {
        const char* name;
        int inputLength;
        int outputSize;
        int expected;
        DWORD error;
    };
    const std::vector<Case> cases = {
        {"terminated, size query", -1, 0, 4, 0},
        {"terminated, exact room", -1, 4, 4, 0},
        {"counted, size query", 2, 0, 3, 0},
        {"counted, too small", 2, 2, 0, ERROR_INSUFFICIENT_BUFFER},
        {"empty input", 0, 8, 0, ERROR_INVALID_PARAMETER},
        {"negative output size", -1, -1, 0, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        const int result =
            WideCharToMultiByte(932, 0, text, c.inputLength, c.outputSize == 0 ? nullptr : buffer,
                                c.outputSize, nullptr, nullptr);
        EXPECT_EQ(result, c.expected) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
}

// Besides what Windows refuses, the host refuses flags and default characters: the system
// passes neither.
TEST(TextConversion, RefusesWhatTheHostDoesNotTake) {
    char narrow[8] = "abc";
    WCHAR wide[8];
    BOOL usedDefault = FALSE;
    struct Case {
        const char* name;
        std::function<int()> call;
        DWORD error;
    };
    const std::vector<Case> cases = {
        {"null input", [&] { return MultiByteToWideChar(932, 0, nullptr, -1, wide, 8); },
         ERROR_INVALID_PARAMETER},
        {"null output with a size",
         [&] { return MultiByteToWideChar(932, 0, "a", -1, nullptr, 8); }, ERROR_INVALID_PARAMETER},
        {"code page the host lacks", [&] { return MultiByteToWideChar(1251, 0, "a", -1, wide, 8); },
         ERROR_INVALID_PARAMETER},
        {"a flag", [&] { return MultiByteToWideChar(932, 1, "a", -1, wide, 8); },
         ERROR_INVALID_FLAGS},
        {"wide null input",
         [&] { return WideCharToMultiByte(932, 0, nullptr, -1, narrow, 8, nullptr, nullptr); },
         ERROR_INVALID_PARAMETER},
        {"a default character",
         [&] { return WideCharToMultiByte(932, 0, u"a", -1, narrow, 8, "*", nullptr); },
         ERROR_INVALID_PARAMETER},
        {"a used-default flag",
         [&] { return WideCharToMultiByte(932, 0, u"a", -1, narrow, 8, nullptr, &usedDefault); },
         ERROR_INVALID_PARAMETER},
        {"a wide flag",
         [&] { return WideCharToMultiByte(932, 0x400, u"a", -1, narrow, 8, nullptr, nullptr); },
         ERROR_INVALID_FLAGS},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(c.call(), 0) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
}

// Every assigned Shift-JIS character comes back as the bytes it was read from, unless it is
// one of the duplicates that Windows writes in another place.
TEST(TextConversion, ShiftJisRoundTripsOutsideDuplicateRanges) {
    int checked = 0;
    for (unsigned int lead = 0x81; lead <= 0xFC; ++lead) {
        // NEC row 13 (87), NEC's copy of the IBM extensions (ED, EE) and the IBM extensions
        // (FA to FC) hold the duplicates.
        if ((lead > 0x9F && lead < 0xE0) || lead == 0x87 || lead == 0xED || lead == 0xEE ||
            lead >= 0xFA) {
            continue;
        }
        for (unsigned int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string wide = ToWide(932, bytes);
            if (wide == u"\u30FB" && bytes != "\x81\x45") {
                continue;  // unassigned
            }
            ASSERT_EQ(wide.size(), 1u) << std::hex << lead << ' ' << trail;
            ASSERT_EQ(ToNarrow(932, wide), bytes) << std::hex << lead << ' ' << trail;
            ++checked;
        }
    }
    // JIS X 0208 alone has 6879 characters.
    EXPECT_GT(checked, 6879);
}

}  // namespace
