// A temporary folder for file-system tests, addressed two ways: as the narrow path the
// system under test takes (backslash separators, which both builds accept), and as a native
// path for building fixtures and checking results with the standard library.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32.h"
#include "temp_dir.h"
#include "windows_shaped.h"

class ScratchFolder {
  public:
    // relative uses backslashes, as the system's callers write paths.
    std::string At(const std::string& relative) const { return temp_.Path() + "\\" + relative; }
    std::string Path() const { return temp_.Path(); }
    // The folder as full paths from the platform spell it (see WindowsShaped).
    std::string FullPath() const { return WindowsShaped(temp_.Path()); }
    // relative uses '/', which std::filesystem takes on both builds.
    std::filesystem::path Native(const std::string& relative) const {
        return std::filesystem::path(temp_.Path()) / std::filesystem::path(relative);
    }

    void AddDirectory(const std::string& relative) const {
        std::filesystem::create_directories(Native(relative));
    }
    void AddFile(const std::string& relative) const { std::ofstream(Native(relative)) << "x"; }
    bool HasDirectory(const std::string& relative) const {
        return std::filesystem::is_directory(Native(relative));
    }

  private:
    TempDir temp_;
};

// Asks the platform layer directly, for names the standard library cannot spell on every
// build (Shift-JIS bytes).
inline bool PlatformSeesDirectory(const std::string& path) {
    WIN32_FIND_DATAA record{};
    const HANDLE search = FindFirstFileA(path.c_str(), &record);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    return (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Changes the process's current directory for one scope.
class ScopedCurrentDirectory {
  public:
    explicit ScopedCurrentDirectory(const std::filesystem::path& directory)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(directory);
    }
    ~ScopedCurrentDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

  private:
    std::filesystem::path previous_;
};
