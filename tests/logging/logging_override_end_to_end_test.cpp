// The user's override under a documents folder whose name is not ASCII, as a real process
// meets it: nothing has set the process locale (it is still "C"), and log4cxx must still
// read the file and write records where the override says.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <log4cxx/logger.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "logging/log_setup.h"
#include "temp_dir.h"
#include "file_bytes.h"
#include "scoped_documents_folder.h"
#include "scoped_environment.h"

namespace {

TEST(LoggingOverrideEndToEnd, OverrideUnderANonAsciiDocumentsFolderIsReadInTheCLocale) {
    TempDir temp;
    // "表": its Shift-JIS trail byte is a backslash.
    const std::filesystem::path documents =
        std::filesystem::path(temp.Path()) / std::filesystem::u8path(
                                                 "\xE8\xA1\xA8"
                                                 "Docs");
    const std::filesystem::path logRoot = documents / "Norvale" / "SystemLog";
    std::filesystem::create_directories(logRoot);
    const ScopedDocumentsFolder documentsFolder(documents, temp.Path());

    // The properties reader takes bytes as Latin-1, so the log file it names is ASCII; '/'
    // separators need no escaping there, on either build.
    const std::filesystem::path logFile = std::filesystem::path(temp.Path()) / "override.log";
    std::ofstream(logRoot / "NDefault.ini", std::ios::binary)
        << "log4j.rootLogger = Info, chosen\r\n"
           "log4j.appender.chosen = org.apache.log4j.FileAppender\r\n"
           "log4j.appender.chosen.File = "
        << logFile.generic_string()
        << "\r\n"
           "log4j.appender.chosen.layout = org.apache.log4j.PatternLayout\r\n"
           "log4j.appender.chosen.layout.ConversionPattern = override %m%n\r\n";
    ASSERT_STREQ(std::setlocale(LC_ALL, nullptr), "C");

    InitLogging();
    LOG4CXX_INFO(log4cxx::Logger::getLogger("override"), "start-up record");

    // %n ends the record as the platform ends lines.
    EXPECT_THAT(ReadFileBytes(logFile),
                testing::AnyOf("override start-up record\n", "override start-up record\r\n"));
    EXPECT_FALSE(std::filesystem::exists(logRoot / "logging_override_end_to_end_tests.ini"));
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C") << "the process locale is left alone";
    // Windows removes no file that is still open: the appender lets go before the folder goes.
    log4cxx::Logger::getRootLogger()->removeAllAppenders();
}

// The properties file is read as Latin-1, but log4cxx replaces "${NAME}" in a value with the
// environment variable NAME as text: an override reaches a folder with Japanese characters
// through one, such as USERPROFILE for a user named 山田.
TEST(LoggingOverrideEndToEnd, OverrideReachesAJapaneseFolderThroughAnEnvironmentVariable) {
    TempDir temp;
    const std::filesystem::path root(temp.Path());
    const std::filesystem::path documents = root / "Docs";
    const std::filesystem::path logRoot = documents / "Norvale" / "SystemLog";
    std::filesystem::create_directories(logRoot);
    const std::filesystem::path profile =
        root / std::filesystem::u8path("\xE5\xB1\xB1\xE7\x94\xB0");
    std::filesystem::create_directory(profile);
    const ScopedDocumentsFolder documentsFolder(documents, temp.Path());
    ScopedEnvironment environment;
    environment.SetPath("USERPROFILE", profile);
    std::ofstream(logRoot / "NDefault.ini", std::ios::binary)
        << "log4j.rootLogger = Info, chosen\r\n"
           "log4j.appender.chosen = org.apache.log4j.FileAppender\r\n"
           "log4j.appender.chosen.File = ${USERPROFILE}/logs/override.log\r\n"
           "log4j.appender.chosen.layout = org.apache.log4j.PatternLayout\r\n"
           "log4j.appender.chosen.layout.ConversionPattern = override %m%n\r\n";

    InitLogging();
    LOG4CXX_INFO(log4cxx::Logger::getLogger("override"), "start-up record");

    EXPECT_THAT(ReadFileBytes(profile / "logs" / "override.log"),
                testing::AnyOf("override start-up record\n", "override start-up record\r\n"));
    log4cxx::Logger::getRootLogger()->removeAllAppenders();
    // Only the profile's own folder holds a log: no wrongly named one beside it.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Docs", "\xE5\xB1\xB1\xE7\x94\xB0"}));
}

}  // namespace
