// A copy of the built launcher in a scratch folder whose name holds a blank, so its path
// is quoted on the command line; with or without the component library beside it.
#pragma once

#include <filesystem>
#include <string>

#include "temp_dir.h"

class LauncherCopy {
  public:
    enum class Component { kBeside, kMissing };

    // programName: the copy's file name (UTF-8), the built launcher's own by default.
    explicit LauncherCopy(Component component,
                          const std::string& programName = LAUNCHER_PROGRAM_NAME);

    // The copied launcher's path (UTF-8).
    std::string Program() const { return program_.u8string(); }

  private:
    TempDir scratch_;
    std::filesystem::path program_;
};
