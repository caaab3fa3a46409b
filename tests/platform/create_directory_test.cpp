#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32.h"
#include "scoped_code_page.h"
#include "temp_dir.h"

namespace {

struct CreateCase {
    const char* name;
    std::string path;  // after the temp folder, backslash-separated
    BOOL created;
    DWORD error;             // when not created
    std::string madeOnDisk;  // a directory that must exist afterwards, UTF-8
};

class CreateDirectory : public testing::TestWithParam<CreateCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::create_directory(root_ + "/existing"));
        std::ofstream(root_ + "/file.txt") << "x";
    }

    const ScopedCodePage shiftJis_{932};
    TempDir temp_;
    const std::string root_ = temp_.Path();
};

TEST_P(CreateDirectory, CreatesOneLevelOrGivesTheWindowsCode) {
    const CreateCase& create = GetParam();
    SetLastError(0);
    const BOOL result = CreateDirectoryA((root_ + create.path).c_str(), nullptr);
    EXPECT_EQ(result, create.created);
    if (!create.created) {
        EXPECT_EQ(GetLastError(), create.error);
    }
    if (!create.madeOnDisk.empty()) {
        EXPECT_TRUE(std::filesystem::is_directory(root_ + "/" + create.madeOnDisk));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateDirectory,
    testing::Values(
        CreateCase{"New", "\\new", TRUE, 0, "new"},
        CreateCase{"TrailingSeparator", "\\new\\", TRUE, 0, "new"},
        CreateCase{"InsideAnExistingOne", "\\existing\\new", TRUE, 0, "existing/new"},
        CreateCase{"ShiftJisName", "\\\x95\x5C", TRUE, 0, "\xE8\xA1\xA8"},
        CreateCase{"Exists", "\\existing", FALSE, ERROR_ALREADY_EXISTS, ""},
        CreateCase{"FileInTheWay", "\\file.txt", FALSE, ERROR_ALREADY_EXISTS, ""},
        CreateCase{"ParentMissing", "\\missing\\new", FALSE, ERROR_PATH_NOT_FOUND, ""},
        CreateCase{"ParentIsAFile", "\\file.txt\\new", FALSE, ERROR_PATH_NOT_FOUND, ""},
        CreateCase{"TooLong", "\\" + std::string(MAX_PATH, 'x'), FALSE, ERROR_FILENAME_EXCED_RANGE,
                   ""},
        // As Wine 8 gives them.
        CreateCase{"TrailingDotDropped", "\\t1.", TRUE, 0, "t1"},
        CreateCase{"TrailingSpaceDropped", "\\t2 ", TRUE, 0, "t2"},
        CreateCase{"TrailingDotsAndSpacesDropped", "\\t3. . ", TRUE, 0, "t3"},
        CreateCase{"TrailingDotOfAParentDropped", "\\existing.\\t4", TRUE, 0, "existing/t4"},
        CreateCase{"TwoTrailingSeparators", "\\t5\\\\", TRUE, 0, "t5"},
        CreateCase{"DeleteIsAllowed", "\\a\x7Fz", TRUE, 0, "a\x7Fz"},
        CreateCase{"TakenOnceDotsDropped", "\\existing.", FALSE, ERROR_ALREADY_EXISTS, ""},
        CreateCase{"DotNamesTheParent", "\\existing\\.", FALSE, ERROR_ALREADY_EXISTS, ""},
        CreateCase{"OnlyDotsNameTheParent", "\\existing\\...", FALSE, ERROR_ALREADY_EXISTS, ""},
        CreateCase{"InnerSpaceKept", "\\existing \\x", FALSE, ERROR_PATH_NOT_FOUND, ""},
        CreateCase{"LessThan", "\\a<b", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"GreaterThan", "\\a>b", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"Bar", "\\a|b", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"Star", "\\a*b", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"QuestionMark", "\\a?b", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"Quote", "\\a\"b", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"ControlCharacter", "\\a\x01z", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"UnitSeparator", "\\a\x1Fz", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"WildcardOnTheWay", "\\a*\\x", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"RefusedCharacterOnTheWay", "\\a<\\x", FALSE, ERROR_INVALID_NAME, ""},
        CreateCase{"FileHigherUp", "\\file.txt\\nope\\x", FALSE, ERROR_PATH_NOT_FOUND, ""},
        // 0x83 0x7C (U+30DD) is one character whose trail byte is '|'.
        CreateCase{"TrailByteIsNoBar", "\\\x83\x7C", TRUE, 0, "\xE3\x83\x9D"}),
    [](const testing::TestParamInfo<CreateCase>& info) { return info.param.name; });

TEST(CreateDirectoryArguments, TakeADrivePrefixAsTheHostRoot) {
    TempDir temp;
    const std::string path = "C:" + temp.Path() + "\\sub";
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(temp.Path() + "/sub"));
}

TEST(CreateDirectoryArguments, TheRootExistsAlready) {
    for (const char* path : {"Z:\\", "C:\\", "/"}) {
        SetLastError(0);
        EXPECT_FALSE(CreateDirectoryA(path, nullptr)) << path;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << path;
    }
}

TEST(CreateDirectoryArguments, RejectNoPath) {
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryA(nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryA("", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST(CreateDirectoryAccess, IsDeniedWhereTheUserMayNotWrite) {
    TempDir temp;
    const std::string locked = temp.Path() + "/locked";
    ASSERT_EQ(mkdir(locked.c_str(), 0555), 0);
    // Permission bits do not stop root; the kernel's own file system does.
    const std::string path = geteuid() == 0 ? "C:\\sys\\launcher-test" : locked + "\\new";
    SetLastError(0);
    EXPECT_FALSE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED)) << path;
    chmod(locked.c_str(), 0755);
}

}  // namespace
