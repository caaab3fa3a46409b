// The texts of the log configuration, composed as pure values so they can be checked
// byte for byte: paths in the ANSI code page, joined by plain concatenation.
#pragma once

#include <cstdint>
#include <string>

std::string ComposeLogRoot(const std::string& documentsFolder);
std::string ComposeOverrideFile(const std::string& logRoot);
std::string ComposeConfigurationFile(const std::string& logRoot, const std::string& baseName);
// Beside the configuration file, named for the process that writes it, so starts at the same
// moment each write a file of their own before one replaces the configuration with it.
std::string ComposeTemporaryConfigurationFile(const std::string& configurationFile,
                                              std::uint32_t processId);
// Ends in a separator.
std::string ComposeLogDirectory(const std::string& logRoot, const std::string& baseName);

// ".1.0.0", with ".fourth" only when the fourth number is not 0.
std::string ComposeVersionSuffix(std::int32_t first, std::int32_t second, std::int32_t third,
                                 std::int32_t fourth);

// Doubles every backslash that is a character of its own (not the trail byte of a
// double-byte character), as the properties reader expects of a value.
std::string EscapeBackslashes(std::string text);

// The log file's path in the ANSI code page.
std::string ComposeLogFilePath(const std::string& logDirectory, const std::string& baseName,
                               const std::string& versionSuffix, const std::string& dateText);

// log4cxx reads a properties file as Latin-1 and knows no escape for other characters, but it
// reads the environment as text and replaces "${NAME}" in a value with the variable NAME. A log
// file path that is not printable ASCII (a Japanese documents folder or program name) reaches
// it through this variable of the launcher's own process.
inline constexpr char kLogFileVariable[] = "NVLINK_LAUNCHER_LOG_FILE";

// True when every byte is printable ASCII (0x20 to 0x7E).
bool IsPrintableAscii(const std::string& text);

// Line 5's value for the log file's path as log4cxx opens it: the path with its backslashes
// doubled when it is printable ASCII, otherwise "${NVLINK_LAUNCHER_LOG_FILE}".
std::string ComposeLogFileValue(const std::string& libraryPath);

// The seven lines, each ending in "\n"; a text-mode stream turns that into CR LF.
std::string ComposeConfigurationText(const std::string& logFileValue);
