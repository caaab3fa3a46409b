#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/win32.h"
#include "temp_dir.h"

namespace {

TEST(LastError, BelongsToTheCallingThread) {
    SetLastError(ERROR_ACCESS_DENIED);
    DWORD seenByOtherThread = 1234;
    std::thread other([&seenByOtherThread] {
        seenByOtherThread = GetLastError();
        SetLastError(ERROR_FILE_NOT_FOUND);
    });
    other.join();
    EXPECT_EQ(seenByOtherThread, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

struct ErrnoCase {
    const char* name;
    int error;
    std::string path;  // "@" stands for an existing folder
    DWORD expected;
};

class ErrnoMapping : public testing::TestWithParam<ErrnoCase> {
  protected:
    TempDir temp_;
};

TEST_P(ErrnoMapping, GivesTheCodeWindowsWould) {
    std::string path = GetParam().path;
    if (!path.empty() && path[0] == '@') {
        path = temp_.Path() + path.substr(1);
    }
    EXPECT_EQ(HostErrorFromErrno(GetParam().error, path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrnoMapping,
    testing::Values(ErrnoCase{"MissingFile", ENOENT, "@/missing", ERROR_FILE_NOT_FOUND},
                    ErrnoCase{"MissingFileTrailingSlash", ENOENT, "@/missing/",
                              ERROR_FILE_NOT_FOUND},
                    ErrnoCase{"MissingPath", ENOENT, "@/missing/file", ERROR_PATH_NOT_FOUND},
                    ErrnoCase{"MissingRelativeFile", ENOENT, "no-such-name", ERROR_FILE_NOT_FOUND},
                    ErrnoCase{"NotADirectory", ENOTDIR, "@/f/x", ERROR_PATH_NOT_FOUND},
                    ErrnoCase{"Access", EACCES, "@", ERROR_ACCESS_DENIED},
                    ErrnoCase{"Permission", EPERM, "@", ERROR_ACCESS_DENIED},
                    ErrnoCase{"Exists", EEXIST, "@", ERROR_ALREADY_EXISTS},
                    ErrnoCase{"NameTooLong", ENAMETOOLONG, "@", ERROR_FILENAME_EXCED_RANGE},
                    ErrnoCase{"Invalid", EINVAL, "@", ERROR_INVALID_NAME},
                    ErrnoCase{"Memory", ENOMEM, "@", ERROR_NOT_ENOUGH_MEMORY},
                    ErrnoCase{"Other", EIO, "@", ERROR_GEN_FAILURE}),
    [](const testing::TestParamInfo<ErrnoCase>& info) { return info.param.name; });

}  // namespace
