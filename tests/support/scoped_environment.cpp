#include "scoped_environment.h"

#include <cstdlib>

#include "environment_values.h"

namespace {

void Apply(const std::string& name, const std::optional<std::string>& value) {
    if (value) {
        SetEnvironmentValue(name, *value);
    } else {
        RemoveEnvironmentValue(name);
    }
}

}  // namespace

ScopedEnvironment::ScopedEnvironment(const std::string& name,
                                     const std::optional<std::string>& value) {
    Set(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    // Newest first, so a variable changed twice ends at its value from before the scope.
    for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
        Apply(saved->first, saved->second);
    }
    ReloadTimeZone();
}

void ScopedEnvironment::Save(const std::string& name) {
    const char* old = std::getenv(name.c_str());
    saved_.emplace_back(name, old == nullptr ? std::nullopt : std::optional<std::string>(old));
}

void ScopedEnvironment::Set(const std::string& name, const std::optional<std::string>& value) {
    Save(name);
    Apply(name, value);
    ReloadTimeZone();
}

void ScopedEnvironment::SetPath(const std::string& name, const std::filesystem::path& value) {
    Save(name);
    SetEnvironmentPath(name, value);
}

void ScopedEnvironment::Set(const std::string& name, const char* value) {
    Set(name, value == nullptr ? std::nullopt : std::optional<std::string>(value));
}
