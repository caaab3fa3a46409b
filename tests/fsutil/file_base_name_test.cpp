// The executable's base name as the logging set-up takes it from the module path.
#include "fsutil/file_base_name.h"

#include <gtest/gtest.h>

#include <string>

#include "shift_jis_fixture.h"

namespace {

// A file-name field of 256 bytes holds 255 and the terminator.
constexpr std::size_t kNameLimit = 255;

std::string Repeated(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

// "C:" + a directory of directoryBytes, both separators included, + name: a path of
// 2 + directoryBytes + name bytes, whose directory the run-time's split makes directoryBytes.
std::string PathWithDirectoryOf(std::size_t directoryBytes, const std::string& name) {
    return "C:\\" + std::string(directoryBytes - 2, 'd') + "\\" + name;
}

using FileBaseNameTest = ShiftJisTest;

TEST_F(FileBaseNameTest, IsTheNameWithoutDirectoryAndLastExtension) {
    struct Case {
        const char* name;
        std::string path;
        std::string expected;
    };
    const Case cases[] = {
        {"plain", "C:\\Tools\\app.exe", "app"},
        {"only the last extension goes", "C:\\Tools\\my.tool.exe", "my.tool"},
        {"no directory", "app.exe", "app"},
        {"no extension", "C:\\Tools\\app", "app"},
        {"slash separates too", "C:/Tools/app.exe", "app"},
        {"dot in the directory only", "C:\\dir.d\\file", "file"},
        {"extension only", "C:\\Tools\\.exe", ""},
        {"directory only", "C:\\Tools\\", ""},
        {"empty", "", ""},
        {"UNC", "\\\\srv\\share\\app.exe", "app"},
        {"trail byte 0x5C is no separator", "C:\\x\\" SJIS_HYOU ".exe", SJIS_HYOU},
        {"trail byte 0x5C ends the path", "C:\\x\\" SJIS_HYOU, SJIS_HYOU},
        {"trail byte 0x5C inside the directory", "C:\\" SJIS_HYOU "\\a.exe", "a"},
        {"Japanese name with a dot", "C:\\x\\" SJIS_HYOU "." SJIS_HYOU ".exe",
         SJIS_HYOU "." SJIS_HYOU},
        // Module paths of 257 to 259 bytes whose directory no longer fits a 256-byte field.
        {"257-byte path, 254-byte directory", PathWithDirectoryOf(254, "a"), "a"},
        {"258-byte path, 255-byte directory", PathWithDirectoryOf(255, "a"), "a"},
        {"259-byte path, 256-byte directory", PathWithDirectoryOf(256, "a"), "a"},
        {"259-byte path, Japanese name", PathWithDirectoryOf(255, SJIS_HYOU), SJIS_HYOU},
        {"259-byte path, name and extension", PathWithDirectoryOf(252, "a.ex"), "a"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileBaseName(c.path, kNameLimit), c.expected) << c.name;
    }
}

TEST_F(FileBaseNameTest, LongNameIsCutBetweenCharacters) {
    struct Case {
        const char* name;
        std::string fileName;
        std::string expected;
    };
    const Case cases[] = {
        {"255 bytes fit", std::string(255, 'n') + ".exe", std::string(255, 'n')},
        {"256 bytes are cut to 255", std::string(256, 'n') + ".exe", std::string(255, 'n')},
        {"cut after a whole double-byte character", "a" + Repeated(SJIS_HYOU, 150) + ".exe",
         "a" + Repeated(SJIS_HYOU, 127)},
        // Byte 255 would be the lead byte of a character: the whole character goes.
        {"cut before a split double-byte character", "ab" + Repeated(SJIS_HYOU, 150) + ".exe",
         "ab" + Repeated(SJIS_HYOU, 126)},
        {"no extension", Repeated(SJIS_HYOU, 200), Repeated(SJIS_HYOU, 127)},
    };
    for (const Case& c : cases) {
        const std::string baseName = FileBaseName("C:\\x\\" + c.fileName, kNameLimit);
        EXPECT_LE(baseName.size(), kNameLimit) << c.name;
        EXPECT_EQ(baseName, c.expected) << c.name;
    }
}

}  // namespace
