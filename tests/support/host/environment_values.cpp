#include <cstdlib>
#include <ctime>

#include "environment_values.h"

void SetEnvironmentValue(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

void SetEnvironmentPath(const std::string& name, const std::filesystem::path& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

void RemoveEnvironmentValue(const std::string& name) {
    unsetenv(name.c_str());
}

void ReloadTimeZone() {
    tzset();
}

std::optional<std::string> ProcessEnvironmentValue(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}
