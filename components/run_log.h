// The demo application's one log record, written through the process's logging library
// where the build links one.
#pragma once

#include <cstdint>

void LogRunStarted(std::int32_t showCommand);
