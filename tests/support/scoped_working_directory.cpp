#include "scoped_working_directory.h"

#include <cstdlib>
#include <system_error>

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& directory) {
    std::error_code error;
    previous_ = std::filesystem::current_path(error);
    std::filesystem::current_path(directory, error);
    changed_ = !error;
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    if (previous_.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    if (error) {
        std::abort();  // later tests would run in the wrong place
    }
}
