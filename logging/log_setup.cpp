#include "logging/log_setup.h"

#include <algorithm>
#include <clocale>

#include "calendar/calendar_date.h"
#include "calendar/format_calendar_date.h"
#include "fsutil/directory_tree.h"
#include "fsutil/file_base_name.h"
#include "fsutil/special_folder.h"
#include "logging/configuration_handoff.h"
#include "logging/log_configuration.h"
#include "logging/replace_file.h"
#include "platform/library_path.h"
#include "platform/win32.h"

void InitLogging() {
    char modulePath[MAX_PATH] = {};
    std::string baseName;
    const DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
    if (length != 0) {
        // A cut path may come back without its terminator.
        const char* const begin = modulePath;
        const char* const end = std::find(begin, begin + std::min<DWORD>(length, MAX_PATH), '\0');
        // Split without fixed fields: a path of 259 bytes can hold a directory longer than
        // the run-time's 256-byte field. The name keeps to a file-name field's width.
        baseName = FileBaseName(std::string(begin, end), _MAX_FNAME - 1);
    }
    SetUpLogging(baseName, 1, 0, 0, 0);
}

void SetUpLogging(const std::string& baseName, std::int32_t first, std::int32_t second,
                  std::int32_t third, std::int32_t fourth) {
    char documentsFolder[MAX_PATH] = {};
    GetDocumentsFolderPath(documentsFolder);
    SetUpLoggingUnder(documentsFolder, baseName, first, second, third, fourth);
}

void SetUpLoggingUnder(const std::string& documentsFolder, const std::string& baseName,
                       std::int32_t first, std::int32_t second, std::int32_t third,
                       std::int32_t fourth) {
    const std::string logRoot = ComposeLogRoot(documentsFolder);
    std::string configurationFile = ComposeOverrideFile(logRoot);
    if (!PathExists(configurationFile)) {
        CreateDirectoryTree(logRoot);
        configurationFile =
            GenerateLogConfiguration(baseName, logRoot, first, second, third, fourth);
    }
    ConfigureLoggingLibrary(configurationFile);
}

std::string GenerateLogConfiguration(const std::string& baseName, const std::string& logRoot,
                                     std::int32_t first, std::int32_t second, std::int32_t third,
                                     std::int32_t fourth) {
    std::setlocale(LC_ALL, "");

    const std::string configurationFile = ComposeConfigurationFile(logRoot, baseName);
    const std::string logDirectory = ComposeLogDirectory(logRoot, baseName);
    CreateDirectoryTree(logDirectory);

    CalendarDate today(0);
    today.SetToday();
    std::string dateText;
    FormatCalendarDate(today, kFormatYearMonthDay, dateText);

    const std::string logFile = ComposeLogFilePath(
        logDirectory, baseName, ComposeVersionSuffix(first, second, third, fourth), dateText);
    // Converted as one path, so directory and base name share one encoding.
    const std::string libraryPath = ToLibraryPath(logFile);
    if (!IsPrintableAscii(libraryPath)) {
        SetLibraryPathVariable(kLogFileVariable, logFile);
    }

    // A start that reads the file while this one writes it finds the old whole file or ours.
    ReplaceFileWithText(configurationFile,
                        ComposeTemporaryConfigurationFile(configurationFile, GetCurrentProcessId()),
                        ComposeConfigurationText(ComposeLogFileValue(libraryPath)));
    return configurationFile;
}
