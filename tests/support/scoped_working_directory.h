// Runs a test inside a directory; the earlier working directory returns afterwards.
#pragma once

#include <filesystem>
#include <string>

class ScopedWorkingDirectory {
  public:
    explicit ScopedWorkingDirectory(const std::string& directory);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

    bool Changed() const { return changed_; }

  private:
    std::filesystem::path previous_;
    bool changed_ = false;
};
