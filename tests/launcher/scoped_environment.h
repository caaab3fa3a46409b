// Sets an environment variable of the test process for one scope; child processes inherit
// it. The earlier value (or its absence) comes back when the scope ends.
#pragma once

#include <optional>
#include <string>

class ScopedEnvironment {
  public:
    ScopedEnvironment(const std::string& name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    std::optional<std::string> previous_;
};

// The platform's own setting and removal, each implemented per platform.
void SetEnvironmentValue(const std::string& name, const std::string& value);
void RemoveEnvironmentValue(const std::string& name);
