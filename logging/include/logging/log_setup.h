// Configures the process's logging at start-up. Every step is best effort: nothing is
// reported and nothing here stops the start.
#pragma once

#include <cstdint>
#include <string>

// Takes the executable's base name from its module path and sets logging up for it with
// the version 1.0.0.
void InitLogging();

// Hands the user's override file to the logging library when there is one; otherwise
// writes a configuration of our own under the documents folder and hands that over.
void SetUpLogging(const std::string& baseName, std::int32_t first, std::int32_t second,
                  std::int32_t third, std::int32_t fourth);

// SetUpLogging with the documents folder given rather than looked up.
void SetUpLoggingUnder(const std::string& documentsFolder, const std::string& baseName,
                       std::int32_t first, std::int32_t second, std::int32_t third,
                       std::int32_t fourth);

// Writes "<log root>\<base name>.ini" and returns its path.
std::string GenerateLogConfiguration(const std::string& baseName, const std::string& logRoot,
                                     std::int32_t first, std::int32_t second, std::int32_t third,
                                     std::int32_t fourth);
