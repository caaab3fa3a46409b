#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/win32.h"
#include "scoped_code_page.h"
#include "scoped_working_directory.h"
#include "temp_dir.h"
#include "windows_shaped.h"

namespace {

struct FullPathCase {
    const char* name;
    const char* path;
    const char* expected;  // "@" stands for the current directory, Windows-shaped
};

class FullPath : public testing::TestWithParam<FullPathCase> {
  protected:
    const ScopedCodePage shiftJis_{932};
    TempDir temp_;
    // The working directory is a real one whose name is known in full.
    const std::string current_ = std::filesystem::canonical(temp_.Path()).string();
};

std::string Expand(const std::string& text, const std::string& current) {
    const std::size_t at = text.find('@');
    return at == std::string::npos
               ? text
               : text.substr(0, at) + WindowsShaped(current) + text.substr(at + 1);
}

TEST_P(FullPath, ResolvesAgainstTheCurrentDirectory) {
    const ScopedWorkingDirectory inTemp(current_);
    ASSERT_TRUE(inTemp.Changed());
    char buffer[MAX_PATH];
    const char* result = _fullpath(buffer, GetParam().path, sizeof buffer);
    ASSERT_EQ(result, buffer);
    EXPECT_EQ(std::string(result), Expand(GetParam().expected, current_));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullPath,
    testing::Values(FullPathCase{"Relative", "a", "@\\a"},
                    FullPathCase{"DotsResolved", "a\\b\\..\\.\\c", "@\\a\\c"},
                    FullPathCase{"Current", ".", "@"}, FullPathCase{"NoPath", nullptr, "@"},
                    FullPathCase{"EmptyPath", "", "@"},
                    FullPathCase{"TrailingSeparatorKept", "a\\b\\", "@\\a\\b\\"},
                    FullPathCase{"TrailingDotNamesTheDirectory", "a/./b/.", "@\\a\\b"},
                    FullPathCase{"Absolute", "/x//y/./z", "Z:\\x\\y\\z"},
                    FullPathCase{"MixedSeparators", "\\x/y\\", "Z:\\x\\y\\"},
                    FullPathCase{"OtherDriveKeepsItsLetter", "C:\\x\\y.txt", "C:\\x\\y.txt"},
                    FullPathCase{"OtherDriveIsAtItsRoot", "c:a", "c:\\a"},
                    FullPathCase{"TwoSeparatorsAfterADriveAreNoUncName", "C:\\\\x\\y", "C:\\x\\y"},
                    FullPathCase{"ThreeSeparatorsAfterADriveAreNoUncName", "C:\\\\\\x\\y",
                                 "C:\\x\\y"},
                    FullPathCase{"DriveZIsTheCurrentOne", "Z:a", "@\\a"},
                    FullPathCase{"UncRootStays", "//srv/share/../f", "\\\\srv\\share\\f"},
                    FullPathCase{"UncRootKeepsItsSeparators", "\\\\srv\\share\\\\a\\\\b",
                                 "\\\\srv\\share\\\\a\\b"},
                    FullPathCase{"AnyCharacterBeforeAColonIsADrive", "\x95\x5C:a", "\x95\x5C:\\a"},
                    FullPathCase{"DriveZ", "Z:\\tmp", "Z:\\tmp"},
                    FullPathCase{"AboveTheRootStaysAtTheRoot",
                                 "a\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\b", "Z:\\b"},
                    FullPathCase{"Root", "C:\\", "C:\\"}, FullPathCase{"SlashRoot", "/", "Z:\\"},
                    // Win32 drops trailing dots of every component and trailing spaces of
                    // the last, and keeps other spaces (Wine 8: "a.\b. " -> C:\m\a\b).
                    FullPathCase{"TrailingDotsAndSpaces", "a.\\b. ", "@\\a\\b"},
                    FullPathCase{"InnerSpacesKept", "a \\b", "@\\a \\b"},
                    FullPathCase{"Wildcards", "sub\\*.*", "@\\sub\\*.*"},
                    FullPathCase{"TrailByteIsNoSeparator", "\\x\\\x95\x5C", "Z:\\x\\\x95\x5C"},
                    // A name goes through UTF-16 and back (Wine 8): a pair that is no character
                    // comes back as U+30FB, a second code of a character as its usual one, and
                    // a lead byte at the end is lost.
                    FullPathCase{"TrailByteIsNoDot", "\\x\\\x81\x2E", "Z:\\x\\\x81\x45"},
                    FullPathCase{"SecondCodeOfACharacter", "\\\x87\x97", "Z:\\\x81\xDA"},
                    FullPathCase{"LeadByteAtTheEnd", "\\x\\b\x81", "Z:\\x\\b"}),
    [](const testing::TestParamInfo<FullPathCase>& info) { return info.param.name; });

TEST(FullPathSize, FailsWithErangeWhenTheResultDoesNotFit) {
    const std::string path = "Z:\\abc\\def";
    char buffer[16];
    errno = 0;
    EXPECT_EQ(_fullpath(buffer, path.c_str(), path.size()), nullptr);
    EXPECT_EQ(errno, ERANGE);
    EXPECT_EQ(_fullpath(buffer, path.c_str(), path.size() + 1), buffer);
    EXPECT_EQ(std::string(buffer), path);
}

TEST(FullPathSize, AllocatesWithoutABuffer) {
    const std::unique_ptr<char, decltype(&std::free)> result(_fullpath(nullptr, "/a/../b", 0),
                                                             &std::free);
    ASSERT_NE(result, nullptr);
    EXPECT_STREQ(result.get(), "Z:\\b");

    // Then the limit is MAX_PATH, whatever the size says.
    const std::string longPath = "/" + std::string(MAX_PATH - 3, 'x');
    errno = 0;
    EXPECT_EQ(_fullpath(nullptr, longPath.c_str(), 100000), nullptr);
    EXPECT_EQ(errno, ERANGE);
}

TEST(FullPathCodePage, GivesTheCurrentDirectoryInTheAnsiCodePage) {
    const ScopedCodePage shiftJis(932);
    TempDir temp;
    const std::string directory =
        std::filesystem::canonical(temp.Path()).string() + "/\xE8\xA1\xA8";
    ASSERT_TRUE(std::filesystem::create_directory(directory));
    const ScopedWorkingDirectory inside(directory);
    ASSERT_TRUE(inside.Changed());

    char buffer[MAX_PATH];
    ASSERT_EQ(_fullpath(buffer, "f", sizeof buffer), buffer);
    const std::string result = buffer;
    EXPECT_EQ(result.substr(result.size() - 4), "\x95\x5C\\f");
}

// The executable's path is Windows-shaped like every path the layer hands out.
TEST(ModuleFileName, IsTheExecutableOnDriveZ) {
    char buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    ASSERT_GT(length, 0u);
    const std::string path(buffer, length);
    const std::string host = std::filesystem::read_symlink("/proc/self/exe").string();
    EXPECT_EQ(path, WindowsShaped(host));
    EXPECT_EQ(path.find('/'), std::string::npos);
}

}  // namespace
