// Test helpers that change process-wide settings and put them back when the test ends.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// Sets or clears environment variables; the earlier values return on destruction.
class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
            Apply(saved->first, saved->second);
        }
        tzset();
    }

    // A null value clears the variable.
    void Set(const std::string& name, const char* value) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old == nullptr ? std::nullopt : std::optional<std::string>(old));
        Apply(name, value == nullptr ? std::nullopt : std::optional<std::string>(value));
        tzset();
    }

  private:
    static void Apply(const std::string& name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
