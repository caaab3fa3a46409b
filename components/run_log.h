// The demo application's one log record, written through the process's log4cxx, which the
// launcher has configured by the time an object runs.
#pragma once

#include <cstdint>
#include <string>

// commandLine: UTF-8. It names the start, so records of starts at the same moment can be told
// apart.
void LogRunStarted(std::int32_t showCommand, const std::string& commandLine);

// True when the process's root logger has an appender to write to.
bool ProcessLoggingHasAppender();
