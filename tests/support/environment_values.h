// The platform's own ways to change the environment, one file per build.
#pragma once

#include <string>

void SetEnvironmentValue(const std::string& name, const std::string& value);
void RemoveEnvironmentValue(const std::string& name);
// Makes the C run-time read TZ again.
void ReloadTimeZone();
