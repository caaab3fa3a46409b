// A network share for one test, \\srv\share, reached as the build reaches shares: on the host
// through a share folder of the test's own (the host layer's LAUNCHER_HOST_UNC_FOLDER), under
// Wine through the one wine-run links into the prefix (LAUNCHER_SCRATCH_SHARE names it). The
// Wine share outlives the test: what a test makes there it removes, below names of its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "scoped_environment.h"
#include "temp_dir.h"

class ScratchShare {
  public:
    ScratchShare();
    ~ScratchShare();
    ScratchShare(const ScratchShare&) = delete;
    ScratchShare& operator=(const ScratchShare&) = delete;

    // False where this run offers no share; the test then has nothing to run on.
    bool Reachable() const { return !root_.empty(); }
    // "\\srv\share", as the system's callers write it.
    const std::string& Root() const { return root_; }
    // A path below the share for std::filesystem; relative uses '/'.
    std::filesystem::path Native(const std::string& relative) const { return folder_ / relative; }

  private:
    std::optional<TempDir> shares_;
    ScopedEnvironment environment_;
    std::string root_;
    std::filesystem::path folder_;
};
