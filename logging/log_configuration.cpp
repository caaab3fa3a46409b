#include "logging/log_configuration.h"

#include <algorithm>

#include "fsutil/mbcs_string.h"

std::string ComposeLogRoot(const std::string& documentsFolder) {
    return documentsFolder + "\\Norvale\\SystemLog";
}

std::string ComposeOverrideFile(const std::string& logRoot) {
    return logRoot + "\\NDefault.ini";
}

std::string ComposeConfigurationFile(const std::string& logRoot, const std::string& baseName) {
    return logRoot + "\\" + baseName + ".ini";
}

std::string ComposeTemporaryConfigurationFile(const std::string& configurationFile,
                                              std::uint32_t processId) {
    return configurationFile + "." + std::to_string(processId) + ".tmp";
}

std::string ComposeLogDirectory(const std::string& logRoot, const std::string& baseName) {
    return logRoot + "\\" + baseName + "\\";
}

std::string ComposeVersionSuffix(std::int32_t first, std::int32_t second, std::int32_t third,
                                 std::int32_t fourth) {
    std::string suffix =
        "." + std::to_string(first) + "." + std::to_string(second) + "." + std::to_string(third);
    if (fourth != 0) {
        suffix += "." + std::to_string(fourth);
    }
    return suffix;
}

std::string EscapeBackslashes(std::string text) {
    ReplaceAll(text, "\\", "\\\\");
    return text;
}

std::string ComposeLogFilePath(const std::string& logDirectory, const std::string& baseName,
                               const std::string& versionSuffix, const std::string& dateText) {
    return logDirectory + baseName + versionSuffix + "Log_" + dateText + ".txt";
}

bool IsPrintableAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::string ComposeLogFileValue(const std::string& libraryPath) {
    if (IsPrintableAscii(libraryPath)) {
        return EscapeBackslashes(libraryPath);
    }
    return std::string("${") + kLogFileVariable + "}";
}

std::string ComposeConfigurationText(const std::string& logFileValue) {
    std::string text;
    text += "log4j.rootLogger = Info, nAppender\n";
    text += "log4j.appender.nAppender = org.apache.log4j.RollingFileAppender\n";
    text += "log4j.appender.nAppender.MaxFileSize = 5MB\n";
    text += "log4j.appender.nAppender.MaxBackupIndex = 1\n";
    text += "log4j.appender.nAppender.File = " + logFileValue + "\n";
    text += "log4j.appender.nAppender.layout = org.apache.log4j.PatternLayout\n";
    text +=
        "log4j.appender.nAppender.layout.ConversionPattern = "
        "%d{yyyy-MM-dd HH:mm:ss} [%5p] %l %M - %m%n\n";
    return text;
}
