// The platform's own ways to change the environment, one file per build.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

void SetEnvironmentValue(const std::string& name, const std::string& value);
void RemoveEnvironmentValue(const std::string& name);
// Sets a variable to a path given as the file system names it, whatever its characters: on
// Windows through the UTF-16 environment, on the host as the path's bytes.
void SetEnvironmentPath(const std::string& name, const std::filesystem::path& value);
// The process environment's value as the system holds it (on Windows not the run-time's copy,
// which SetEnvironmentVariableA leaves behind); none when the variable is not set.
std::optional<std::string> ProcessEnvironmentValue(const std::string& name);
// Makes the C run-time read TZ again.
void ReloadTimeZone();
