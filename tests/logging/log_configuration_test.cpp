#include "logging/log_configuration.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LogConfiguration, ComposesTheDocumentedExampleByteForByte) {
    const std::string logRoot = ComposeLogRoot("D:\\Docs");
    EXPECT_EQ(logRoot, "D:\\Docs\\Norvale\\SystemLog");
    EXPECT_EQ(ComposeOverrideFile(logRoot), "D:\\Docs\\Norvale\\SystemLog\\NDefault.ini");
    EXPECT_EQ(ComposeConfigurationFile(logRoot, "app"), "D:\\Docs\\Norvale\\SystemLog\\app.ini");
    const std::string logDirectory = ComposeLogDirectory(logRoot, "app");
    EXPECT_EQ(logDirectory, "D:\\Docs\\Norvale\\SystemLog\\app\\");

    const std::string value = EscapeBackslashes(
        ComposeLogFilePath(logDirectory, "app", ComposeVersionSuffix(1, 0, 0, 0), "20220825"));
    EXPECT_EQ("log4j.appender.nAppender.File = " + value,
              "log4j.appender.nAppender.File = "
              "D:\\\\Docs\\\\Norvale\\\\SystemLog\\\\app\\\\app.1.0.0Log_20220825.txt");
}

TEST(LogConfiguration, VersionSuffixLeavesOutOnlyAZeroFourthNumber) {
    struct Case {
        int first, second, third, fourth;
        const char* suffix;
    };
    const Case cases[] = {
        {1, 0, 0, 0, ".1.0.0"}, {1, 0, 0, 7, ".1.0.0.7"},       {2, 10, 0, 0, ".2.10.0"},
        {0, 0, 0, 0, ".0.0.0"}, {-1, 2, -3, -4, ".-1.2.-3.-4"}, {12, 0, 3, 0, ".12.0.3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeVersionSuffix(c.first, c.second, c.third, c.fourth), c.suffix)
            << c.first << "." << c.second << "." << c.third << "." << c.fourth;
    }
}

TEST(LogConfiguration, EscapingDoublesOnlyRealSeparators) {
    // 0x95 0x5C is one Shift-JIS character whose second byte is a backslash.
    struct Case {
        const char* documents;
        const char* escapedLogDirectory;
    };
    const Case cases[] = {
        {"C:\\\x95\x5C", "C:\\\\\x95\x5C\\\\Norvale\\\\SystemLog\\\\app\\\\"},
        {"C:\\\x95\x5C\x95\x5C", "C:\\\\\x95\x5C\x95\x5C\\\\Norvale\\\\SystemLog\\\\app\\\\"},
        {"", "\\\\Norvale\\\\SystemLog\\\\app\\\\"},
        // A drive root keeps its separator: two adjacent ones, each doubled.
        {"D:\\", "D:\\\\\\\\Norvale\\\\SystemLog\\\\app\\\\"},
    };
    for (const Case& c : cases) {
        const std::string logDirectory = ComposeLogDirectory(ComposeLogRoot(c.documents), "app");
        EXPECT_EQ(EscapeBackslashes(logDirectory), c.escapedLogDirectory) << c.documents;
    }
}

// log4cxx reads the properties file as Latin-1: only a printable ASCII path is written as it
// is; any other byte sends the path through the environment.
TEST(LogConfiguration, LogFileValueIsThePathOnlyWhenItIsPrintableAscii) {
    const std::string reference = "${NVLINK_LAUNCHER_LOG_FILE}";
    struct Case {
        const char* what;
        std::string libraryPath;
        std::string value;
    };
    const Case cases[] = {
        {"Windows path", "D:\\Docs\\app.txt", "D:\\\\Docs\\\\app.txt"},
        {"Linux path", "/home/me/app.txt", "/home/me/app.txt"},
        {"printable edges", " ~!", " ~!"},
        {"Shift-JIS 山田", "C:\\users\\\x8E\x52\x93\x63\\a.txt", reference},
        {"Shift-JIS 表, trail byte 0x5C", "C:\\\x95\x5C\\a.txt", reference},
        {"UTF-8 山", "/home/\xE5\xB1\xB1/a.txt", reference},
        {"half-width katakana", "C:\\\xB1.txt", reference},
        {"tab", "C:\\a\tb.txt", reference},
        {"DEL", "C:\\a\x7F.txt", reference},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeLogFileValue(c.libraryPath), c.value) << c.what;
    }
}

TEST(LogConfiguration, EmptyAndRootDocumentsFoldersAreNotNormalised) {
    EXPECT_EQ(ComposeLogRoot(""), "\\Norvale\\SystemLog");
    EXPECT_EQ(ComposeConfigurationFile(ComposeLogRoot(""), "app"), "\\Norvale\\SystemLog\\app.ini");
    EXPECT_EQ(ComposeLogRoot("D:\\"), "D:\\\\Norvale\\SystemLog");
    EXPECT_EQ(ComposeConfigurationFile(ComposeLogRoot("D:\\"), ""),
              "D:\\\\Norvale\\SystemLog\\.ini");
}

}  // namespace
