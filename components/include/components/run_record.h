// What the demo application was handed, written where a test or a demo can read it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Environment variables that steer the record.
inline constexpr char kRecordFileVariable[] = "APPRUN_DEMO_RECORD";
inline constexpr char kProbeFileVariable[] = "APPRUN_DEMO_PROBE";
// Set, the run ends with kNoAppenderExitCode when the process's logging has no appender: a
// start's own word that it configured its log, where its record alone cannot tell.
inline constexpr char kRequireAppenderVariable[] = "APPRUN_DEMO_REQUIRE_APPENDER";
inline constexpr std::int32_t kNoAppenderExitCode = 86;

// The record's lines: "command=<UTF-8 command line>", "show=<show command>" and, when a
// probe was asked for, "probe=present" or "probe=absent".
std::string ComposeRunRecord(const std::string& commandUtf8, std::int32_t showCommand,
                             std::optional<bool> probeFilePresent);

// Writes the record to the file named by APPRUN_DEMO_RECORD (nothing when it is unset),
// probing the file named by APPRUN_DEMO_PROBE at the moment of the call.
void WriteRunRecordIfAsked(const std::string& commandUtf8, std::int32_t showCommand);
