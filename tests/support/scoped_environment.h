// Sets or removes environment variables of the test process for one scope; child processes
// inherit them. The earlier values (or their absence) come back when the scope ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    // One variable for the whole scope; no value removes it.
    ScopedEnvironment(const std::string& name, const std::optional<std::string>& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    // Each change also reloads the time zone, for tests that move TZ.
    void Set(const std::string& name, const std::optional<std::string>& value);
    // A null value removes the variable.
    void Set(const std::string& name, const char* value);
    // A path of any characters, as the file system names it.
    void SetPath(const std::string& name, const std::filesystem::path& value);

  private:
    void Save(const std::string& name);

    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};
