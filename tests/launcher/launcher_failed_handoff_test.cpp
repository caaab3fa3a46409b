// When the file the launcher hands to log4cxx configures nothing, logging stays off for the
// process: no configuration file of log4cxx's own choosing, from the current folder or named
// by its environment variable, takes over.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "launcher_process_fixture.h"
#include "scoped_working_directory.h"
#include "unreadable_file.h"

namespace {

namespace fs = std::filesystem;

enum class Failure { kOverrideIsAFolder, kOverrideUnreadable, kGeneratedFileIsAFolder };

struct FailedHandOffCase {
    const char* name;
    Failure failure;
    bool variableNamesAFile;  // log4cxx's variable set: it wins over the current folder's files
};

void PrintTo(const FailedHandOffCase& c, std::ostream* os) {
    *os << c.name;
}

void WriteText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string PropertiesLoggingTo(const std::string& logFile) {
    return "log4j.rootLogger = INFO, planted\n"
           "log4j.appender.planted = org.apache.log4j.FileAppender\n"
           "log4j.appender.planted.File = " +
           logFile +
           "\n"
           "log4j.appender.planted.layout = org.apache.log4j.PatternLayout\n"
           "log4j.appender.planted.layout.ConversionPattern = %m%n\n";
}

std::string XmlLoggingTo(const std::string& logFile) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<log4j:configuration xmlns:log4j=\"http://jakarta.apache.org/log4j/\">\n"
           "  <appender name=\"planted\" class=\"org.apache.log4j.FileAppender\">\n"
           "    <param name=\"File\" value=\"" +
           logFile +
           "\"/>\n"
           "    <layout class=\"org.apache.log4j.PatternLayout\">\n"
           "      <param name=\"ConversionPattern\" value=\"%m%n\"/>\n"
           "    </layout>\n"
           "  </appender>\n"
           "  <root><priority value=\"info\"/><appender-ref ref=\"planted\"/></root>\n"
           "</log4j:configuration>\n";
}

// The file names log4cxx looks for in the current folder, in its order, each configured to
// log to a file of its own there (named relative to the launcher's current folder).
struct Planted {
    const char* configuration;
    const char* logFile;
};
const Planted kCurrentFolderFiles[] = {
    {"log4cxx.xml", "from-log4cxx-xml.log"},
    {"log4cxx.properties", "from-log4cxx-properties.log"},
    {"log4j.xml", "from-log4j-xml.log"},
    {"log4j.properties", "from-log4j-properties.log"},
};
constexpr char kVariableFile[] = "named-by-variable.properties";
constexpr char kVariableLogFile[] = "from-variable.log";

void PlantConfigurations(const fs::path& folder) {
    for (const Planted& planted : kCurrentFolderFiles) {
        const std::string name = planted.configuration;
        const bool xml = name.substr(name.size() - 4) == ".xml";
        WriteText(folder / name,
                  xml ? XmlLoggingTo(planted.logFile) : PropertiesLoggingTo(planted.logFile));
    }
    WriteText(folder / kVariableFile, PropertiesLoggingTo(kVariableLogFile));
}

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class LauncherFailedHandOffTest : public LauncherProcessTest,
                                  public ::testing::WithParamInterface<FailedHandOffCase> {
  protected:
    void TearDown() override { fs::remove_all(ToLibraryPath(LogRoot())); }
};

TEST_P(LauncherFailedHandOffTest, NoFileOfLog4cxxsOwnChoosingTakesOver) {
    const FailedHandOffCase& c = GetParam();
    const ScopedEnvironment noRecord(kRecordFileVariable, std::nullopt);
    const LauncherCopy launcher(LauncherCopy::Component::kBeside);
    const TempDir currentFolder;
    PlantConfigurations(currentFolder.Path());
    const ScopedWorkingDirectory inCurrentFolder(currentFolder.Path());
    ASSERT_TRUE(inCurrentFolder.Changed());
    const ScopedEnvironment variable(
        "LOG4CXX_CONFIGURATION",
        c.variableNamesAFile
            ? std::optional<std::string>((fs::path(currentFolder.Path()) / kVariableFile).string())
            : std::nullopt);

    const std::string logRoot = ToLibraryPath(LogRoot());
    fs::remove_all(logRoot);
    fs::create_directories(logRoot);
    std::unique_ptr<UnreadableFile> unreadable;
    std::vector<std::string> logRootAfter;
    const std::string base = LAUNCHER_BASE_NAME;
    switch (c.failure) {
        case Failure::kOverrideIsAFolder:
            fs::create_directory(OverrideFile());
            logRootAfter = {"NDefault.ini"};
            break;
        case Failure::kOverrideUnreadable:
            unreadable = std::make_unique<UnreadableFile>(OverrideFile());
            logRootAfter = {"NDefault.ini"};
            break;
        case Failure::kGeneratedFileIsAFolder:
            fs::create_directory(ConfigurationFile());
            logRootAfter = {base, base + ".ini"};
            break;
    }

    const ChildResult run = RunChild(launcher.Program(), {});

    EXPECT_EQ(run.exitStatus, 0) << run.errorOutput;
    for (const Planted& planted : kCurrentFolderFiles) {
        EXPECT_FALSE(fs::exists(fs::path(currentFolder.Path()) / planted.logFile))
            << planted.configuration << " in the current folder configured the launcher";
    }
    EXPECT_FALSE(fs::exists(fs::path(currentFolder.Path()) / kVariableLogFile))
        << "the file LOG4CXX_CONFIGURATION names configured the launcher";
    EXPECT_EQ(NamesIn(logRoot), logRootAfter) << "nothing else is left in the log root";
}

INSTANTIATE_TEST_SUITE_P(
    Failures, LauncherFailedHandOffTest,
    ::testing::Values(
        FailedHandOffCase{"OverrideIsAFolder", Failure::kOverrideIsAFolder, false},
        FailedHandOffCase{"OverrideIsAFolderVariableSet", Failure::kOverrideIsAFolder, true},
        FailedHandOffCase{"OverrideUnreadable", Failure::kOverrideUnreadable, false},
        FailedHandOffCase{"OverrideUnreadableVariableSet", Failure::kOverrideUnreadable, true},
        FailedHandOffCase{"GeneratedFileIsAFolder", Failure::kGeneratedFileIsAFolder, false},
        FailedHandOffCase{"GeneratedFileIsAFolderVariableSet", Failure::kGeneratedFileIsAFolder,
                          true}),
    [](const ::testing::TestParamInfo<FailedHandOffCase>& info) { return info.param.name; });

}  // namespace
