// BSTR layout: a 32-bit byte count just before the characters, a terminator after them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/unique_handles.h"
#include "platform/win32.h"

namespace {

std::uint32_t LengthPrefix(BSTR text) {
    std::uint32_t byteCount = 0;
    std::memcpy(&byteCount, reinterpret_cast<const unsigned char*>(text) - sizeof byteCount,
                sizeof byteCount);
    return byteCount;
}

TEST(SysAllocStringLen, LaysOutLengthCharactersAndTerminator) {
    struct Case {
        const char* name;
        std::u16string text;
        UINT length;
    };
    const std::vector<Case> cases = {
        {"empty", u"", 0},
        {"one character", u"a", 1},
        {"Japanese", u"表示テスト", 5},
        {"prefix of a longer text", u"abcdef", 3},
        {"embedded zero", std::u16string(u"a\0b", 3), 3},
    };
    for (const Case& c : cases) {
        const UniqueBstr text(SysAllocStringLen(c.text.data(), c.length));
        ASSERT_NE(text, nullptr) << c.name;
        EXPECT_EQ(LengthPrefix(text.get()), c.length * 2) << c.name;
        EXPECT_EQ(SysStringLen(text.get()), c.length) << c.name;
        EXPECT_EQ(std::u16string(text.get(), c.length), c.text.substr(0, c.length)) << c.name;
        EXPECT_EQ(text.get()[c.length], u'\0') << c.name;
    }
}

TEST(SysAllocStringLen, WithoutTextStillSizedAndTerminated) {
    for (const UINT length : {0u, 1u, 7u, 260u}) {
        const UniqueBstr text(SysAllocStringLen(nullptr, length));
        ASSERT_NE(text, nullptr) << length;
        EXPECT_EQ(LengthPrefix(text.get()), length * 2) << length;
        EXPECT_EQ(text.get()[length], u'\0') << length;
    }
}

TEST(SysAllocStringLen, RefusesLengthsItsPrefixCannotHold) {
    for (const UINT length : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(SysAllocStringLen(nullptr, length), nullptr) << length;
    }
}

TEST(SysStringLen, NullStringIsEmpty) {
    EXPECT_EQ(SysStringLen(nullptr), 0u);
}

// The launcher's command string: size query, a BSTR one unit shorter, the terminator landing
// in the BSTR's own terminator slot.
TEST(SysAllocStringLen, HoldsAConvertedCommandLine) {
    struct Case {
        const char* name;
        const char* commandLine;
        std::u16string expected;
    };
    const std::vector<Case> cases = {
        {"empty command line", "", u""},
        {"quoted path and arguments", "\"C:\\Program Files\\x.exe\" -a b",
         u"\"C:\\Program Files\\x.exe\" -a b"},
        {"Shift-JIS path", "C:\\x\\\x95\x5C.exe", u"C:\\x\\表.exe"},
    };
    HostSetAnsiCodePage(932);
    for (const Case& c : cases) {
        const int count = MultiByteToWideChar(CP_THREAD_ACP, 0, c.commandLine, -1, nullptr, 0);
        ASSERT_GT(count, 0) << c.name;
        const UniqueBstr text(SysAllocStringLen(nullptr, static_cast<UINT>(count - 1)));
        ASSERT_NE(text, nullptr) << c.name;
        EXPECT_EQ(MultiByteToWideChar(CP_THREAD_ACP, 0, c.commandLine, -1, text.get(), count),
                  count)
            << c.name;
        EXPECT_EQ(SysStringLen(text.get()), c.expected.size()) << c.name;
        EXPECT_EQ(std::u16string(text.get(), SysStringLen(text.get())), c.expected) << c.name;
        EXPECT_EQ(text.get()[c.expected.size()], u'\0') << c.name;
    }
    HostSetAnsiCodePage(0);
}

}  // namespace
