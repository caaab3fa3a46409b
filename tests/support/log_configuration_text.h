// What the launcher's generated log configuration must read, put together by the tests' own
// hands rather than by the code under test.
#pragma once

#include <string>

// Doubles every backslash byte: right for paths without a Shift-JIS trail byte 0x5C.
inline std::string DoubledBackslashes(const std::string& path) {
    std::string doubled;
    for (const char c : path) {
        doubled += c;
        if (c == '\\') {
            doubled += c;
        }
    }
    return doubled;
}

// The seven lines, each ending in CR LF, with line 5's value.
inline std::string SevenLines(const std::string& logFileValue) {
    return "log4j.rootLogger = Info, nAppender\r\n"
           "log4j.appender.nAppender = org.apache.log4j.RollingFileAppender\r\n"
           "log4j.appender.nAppender.MaxFileSize = 5MB\r\n"
           "log4j.appender.nAppender.MaxBackupIndex = 1\r\n"
           "log4j.appender.nAppender.File = " +
           logFileValue +
           "\r\n"
           "log4j.appender.nAppender.layout = org.apache.log4j.PatternLayout\r\n"
           "log4j.appender.nAppender.layout.ConversionPattern = %d{yyyy-MM-dd HH:mm:ss} [%5p] "
           "%l %M - %m%n\r\n";
}
