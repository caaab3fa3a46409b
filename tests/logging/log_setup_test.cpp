#include "logging/log_setup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/library_path.h"
#include "environment_values.h"
#include "scoped_environment.h"
#include "local_date.h"
#include "log_configuration_text.h"
#include "native_path_text.h"
#include "recorded_handoffs.h"
#include "scratch_share.h"
#include "temp_dir.h"
#include "file_bytes.h"

namespace {

// The files handed to the logging library; this program links the recording stand-in.
std::vector<std::string>& handedOver = HandedOverConfigurations();

std::filesystem::path OnDisk(const std::string& ansiPath) {
    return std::filesystem::path(ToLibraryPath(ansiPath));
}

std::string ReadBytes(const std::string& ansiPath) {
    return ReadFileBytes(OnDisk(ansiPath));
}

void WriteBytes(const std::string& ansiPath, const std::string& bytes) {
    std::ofstream out(OnDisk(ansiPath), std::ios::binary | std::ios::trunc);
    out << bytes;
}

namespace fs = std::filesystem;

// A path below the scratch folder, as the platform names it (see NativePathText).
std::string UnderText(const TempDir& temp, const fs::path& relative) {
    return NativePathText((fs::path(temp.Path()) / relative).make_preferred());
}

// The log file's path below the scratch folder's Docs for base name and day.
fs::path LogFileBelowDocs(const std::string& utf8BaseName, const std::string& day) {
    return fs::path("Docs") / "Norvale" / "SystemLog" / fs::u8path(utf8BaseName) /
           fs::u8path(utf8BaseName + ".1.0.0Log_" + day + ".txt");
}

class LogSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        handedOver.clear();
        documents_ = temp_.Path() + "\\Docs";
        std::filesystem::create_directory(OnDisk(documents_));
        logRoot_ = documents_ + "\\Norvale\\SystemLog";
        std::setlocale(LC_ALL, "C");
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }

    TempDir temp_;
    std::string documents_;
    std::string logRoot_;
};

TEST_F(LogSetup, OverrideFileIsHandedOverAndNothingIsWritten) {
    std::filesystem::create_directories(OnDisk(logRoot_));
    const std::string overrideFile = logRoot_ + "\\NDefault.ini";
    WriteBytes(overrideFile, "anything the user likes");
    const std::string localeBefore = std::setlocale(LC_ALL, nullptr);

    SetUpLoggingUnder(documents_, "app", 1, 0, 0, 0);

    EXPECT_EQ(handedOver, std::vector<std::string>{overrideFile});
    EXPECT_FALSE(std::filesystem::exists(OnDisk(logRoot_ + "\\app.ini")));
    EXPECT_FALSE(std::filesystem::exists(OnDisk(logRoot_ + "\\app")));
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), localeBefore);
    EXPECT_EQ(ReadBytes(overrideFile), "anything the user likes");
}

// A folder under the override's name is the user's choice all the same: it goes to the
// logging library unread, and nothing of ours is written beside it.
TEST_F(LogSetup, OverrideThatIsAFolderIsHandedOverAndNothingIsWritten) {
    const std::string overrideFolder = logRoot_ + "\\NDefault.ini";
    std::filesystem::create_directories(OnDisk(overrideFolder));
    const std::string localeBefore = std::setlocale(LC_ALL, nullptr);

    SetUpLoggingUnder(documents_, "app", 1, 0, 0, 0);

    EXPECT_EQ(handedOver, std::vector<std::string>{overrideFolder});
    EXPECT_FALSE(std::filesystem::exists(OnDisk(logRoot_ + "\\app.ini")));
    EXPECT_FALSE(std::filesystem::exists(OnDisk(logRoot_ + "\\app")));
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), localeBefore);
    EXPECT_TRUE(std::filesystem::is_empty(OnDisk(overrideFolder)));
}

TEST_F(LogSetup, WithoutOverrideWritesTheSevenLinesAndHandsThemOver) {
    const std::string dayBefore = LocalDateAsEightDigits();
    SetUpLoggingUnder(documents_, "app", 1, 0, 0, 0);
    const std::string dayAfter = LocalDateAsEightDigits();

    const std::string configurationFile = logRoot_ + "\\app.ini";
    EXPECT_EQ(handedOver, std::vector<std::string>{configurationFile});
    EXPECT_TRUE(std::filesystem::is_directory(OnDisk(logRoot_)));
    EXPECT_TRUE(std::filesystem::is_directory(OnDisk(logRoot_ + "\\app")));

    // Taken on either side of midnight, the run's day is one of the two readings.
    EXPECT_THAT(
        ReadBytes(configurationFile),
        testing::AnyOf(
            SevenLines(DoubledBackslashes(UnderText(temp_, LogFileBelowDocs("app", dayBefore)))),
            SevenLines(DoubledBackslashes(UnderText(temp_, LogFileBelowDocs("app", dayAfter))))));
    EXPECT_NE(std::string(std::setlocale(LC_ALL, nullptr)), "C")
        << "the generation path switches to the user's locale";
}

// Line 5 names the whole log file path as the logging library opens paths. A printable ASCII
// path stands there itself; any other goes into the launcher's environment variable, as one
// path (the base name in the same encoding as the folder), and line 5 refers to it.
TEST_F(LogSetup, LogFileValueIsThePathOrAReferenceToIt) {
    struct Case {
        std::string baseName;      // as the launcher has it: the ANSI code page
        std::string utf8BaseName;  // the same name as the file system shows it
        bool throughEnvironment;
    };
    const Case cases[] = {
        {"app", "app", false}, {"\x83\x8D\x83\x4F", "\xE3\x83\xAD\xE3\x82\xB0", true},  // ログ
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8BaseName);
        const ScopedEnvironment noVariable("NVLINK_LAUNCHER_LOG_FILE", std::nullopt);
        const std::string dayBefore = LocalDateAsEightDigits();
        SetUpLoggingUnder(documents_, c.baseName, 1, 0, 0, 0);
        const std::string dayAfter = LocalDateAsEightDigits();
        const std::string written = ReadBytes(logRoot_ + "\\" + c.baseName + ".ini");
        const std::optional<std::string> variable =
            ProcessEnvironmentValue("NVLINK_LAUNCHER_LOG_FILE");
        // Midnight may pass during the call: the day is the one the path carries.
        const std::string day =
            (written + variable.value_or("")).find(dayBefore + ".txt") != std::string::npos
                ? dayBefore
                : dayAfter;

        const std::string logFile = UnderText(temp_, LogFileBelowDocs(c.utf8BaseName, day));
        const std::string value =
            c.throughEnvironment ? "${NVLINK_LAUNCHER_LOG_FILE}" : DoubledBackslashes(logFile);
        EXPECT_EQ(written, SevenLines(value));
        EXPECT_EQ(variable,
                  c.throughEnvironment ? std::optional<std::string>(logFile) : std::nullopt);
    }
}

struct SeparatorEndCase {
    const char* what;
    std::string documents;     // ends in a separator; empty: none to spare on this build
    std::string lineFiveRoot;  // the same folder as line 5 names it, its separator kept
};

// A documents folder that ends in a separator, as a drive root does, is taken as it is: the
// log root holds two adjacent backslashes, which line 5 doubles like any other. The folders
// and the file are made all the same, at the first start.
TEST_F(LogSetup, DocumentsFolderEndingInASeparatorIsTakenAsItIs) {
    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    const char* const scratchDrive = std::getenv("LAUNCHER_SCRATCH_DRIVE");
    const SeparatorEndCase cases[] = {
        {"folder", documents_ + "\\", UnderText(temp_, "Docs") + separator},
        {"drive root", scratchDrive == nullptr ? "" : std::string(scratchDrive) + "\\",
         scratchDrive == nullptr ? "" : std::string(scratchDrive) + "\\"},
    };
    for (const SeparatorEndCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.documents.empty()) {
            continue;
        }
        // The scratch drive outlives a test run.
        std::filesystem::remove_all(OnDisk(c.documents + "Norvale"));
        handedOver.clear();
        const std::string logRoot = c.documents + "\\Norvale\\SystemLog";

        const std::string dayBefore = LocalDateAsEightDigits();
        SetUpLoggingUnder(c.documents, "app", 1, 0, 0, 0);
        const std::string dayAfter = LocalDateAsEightDigits();

        EXPECT_EQ(handedOver, std::vector<std::string>{logRoot + "\\app.ini"});
        EXPECT_TRUE(std::filesystem::is_directory(OnDisk(logRoot + "\\app")));
        const auto lineFive = [&](const std::string& day) {
            return "log4j.appender.nAppender.File = " +
                   DoubledBackslashes(c.lineFiveRoot + separator + "Norvale" + separator +
                                      "SystemLog" + separator + "app" + separator +
                                      "app.1.0.0Log_" + day + ".txt") +
                   "\r\n";
        };
        EXPECT_THAT(ReadBytes(logRoot + "\\app.ini"),
                    testing::AnyOf(testing::HasSubstr(lineFive(dayBefore)),
                                   testing::HasSubstr(lineFive(dayAfter))));
        std::filesystem::remove_all(OnDisk(c.documents + "Norvale"));
    }
}

// Offices redirect Documents to a share of the user's own (\\fs\user$). No search finds a
// share root, so the folders below it must be made without looking for it.
TEST_F(LogSetup, DocumentsFolderAtAShareRootGetsItsLogFolders) {
    const ScratchShare share;
    if (!share.Reachable()) {
        GTEST_SKIP() << "no share here";
    }
    // The Wine share outlives a test run.
    std::filesystem::remove_all(share.Native("Norvale"));
    const std::string logRoot = share.Root() + "\\Norvale\\SystemLog";

    SetUpLoggingUnder(share.Root(), "app", 1, 0, 0, 0);

    EXPECT_EQ(handedOver, std::vector<std::string>{logRoot + "\\app.ini"});
    EXPECT_TRUE(std::filesystem::is_directory(share.Native("Norvale/SystemLog/app")));
    EXPECT_THAT(ReadBytes(logRoot + "\\app.ini"), testing::HasSubstr("app.1.0.0Log_"));
    std::filesystem::remove_all(share.Native("Norvale"));
}

TEST_F(LogSetup, AnOlderLongerFileIsTruncated) {
    std::filesystem::create_directories(OnDisk(logRoot_));
    const std::string configurationFile = logRoot_ + "\\app.ini";
    WriteBytes(configurationFile, std::string(4096, '~'));

    SetUpLoggingUnder(documents_, "app", 2, 10, 0, 0);

    const std::string written = ReadBytes(configurationFile);
    EXPECT_LT(written.size(), 1000u);
    EXPECT_EQ(written.find('~'), std::string::npos);
    EXPECT_NE(written.find("app.2.10.0Log_"), std::string::npos);
}

TEST_F(LogSetup, UnusableLogRootStillHandsOverOnce) {
    // A plain file where the documents folder should be: nothing below it can be made.
    const std::string blocked = temp_.Path() + "\\file";
    WriteBytes(blocked, "not a folder");

    SetUpLoggingUnder(blocked, "app", 1, 0, 0, 0);

    EXPECT_EQ(handedOver, std::vector<std::string>{blocked + "\\Norvale\\SystemLog\\app.ini"});
    EXPECT_EQ(ReadBytes(blocked), "not a folder");
}

TEST_F(LogSetup, MissingDocumentsFolderIsCreatedAlongTheWay) {
    const std::string missing = temp_.Path() + "\\no\\such\\place";

    SetUpLoggingUnder(missing, "tool", 1, 0, 0, 0);

    ASSERT_EQ(handedOver.size(), 1u);
    EXPECT_TRUE(
        std::filesystem::is_regular_file(OnDisk(missing + "\\Norvale\\SystemLog\\tool.ini")));
}

}  // namespace
