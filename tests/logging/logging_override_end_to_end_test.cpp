// The user's override under a documents folder whose name is not ASCII, as a real process
// meets it: nothing has set the process locale (it is still "C"), and log4cxx must still
// read the file and write records where the override says.
#include <gtest/gtest.h>
#include <log4cxx/logger.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "logging/log_setup.h"
#include "temp_dir.h"
#include "file_bytes.h"
#include "scoped_environment.h"

namespace {

TEST(LoggingOverrideEndToEnd, OverrideUnderANonAsciiDocumentsFolderIsReadInTheCLocale) {
    TempDir temp;
    // "表" in UTF-8, as the Linux side names the folder.
    const std::filesystem::path documents = std::filesystem::path(temp.Path()) /
                                            "\xE8\xA1\xA8"
                                            "Docs";
    const std::filesystem::path logRoot = documents / "Norvale" / "SystemLog";
    std::filesystem::create_directories(logRoot);
    ScopedEnvironment environment;
    environment.Set("XDG_DOCUMENTS_DIR", documents.string());
    environment.Set("HOME", temp.Path());

    // The properties reader takes bytes as Latin-1, so the log file it names is ASCII.
    const std::filesystem::path logFile = std::filesystem::path(temp.Path()) / "override.log";
    std::ofstream(logRoot / "NDefault.ini", std::ios::binary)
        << "log4j.rootLogger = Info, chosen\r\n"
           "log4j.appender.chosen = org.apache.log4j.FileAppender\r\n"
           "log4j.appender.chosen.File = "
        << logFile.string()
        << "\r\n"
           "log4j.appender.chosen.layout = org.apache.log4j.PatternLayout\r\n"
           "log4j.appender.chosen.layout.ConversionPattern = override %m%n\r\n";
    ASSERT_STREQ(std::setlocale(LC_ALL, nullptr), "C");

    InitLogging();
    LOG4CXX_INFO(log4cxx::Logger::getLogger("override"), "start-up record");

    EXPECT_EQ(ReadFileBytes(logFile), "override start-up record\n");
    EXPECT_FALSE(std::filesystem::exists(logRoot / "logging_override_end_to_end_tests.ini"));
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), "C") << "the process locale is left alone";
}

}  // namespace
