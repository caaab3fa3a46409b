#include "launcher_copy.h"

#include <fstream>
#include <stdexcept>

#include "platform/library_path.h"
#include "platform/win32.h"

namespace {

// Programs, component libraries and tests are all built into one folder.
std::filesystem::path BuildOutputFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    return std::filesystem::path(ToLibraryPath(path)).parent_path();
}

void CopyBeside(const std::filesystem::path& from, const std::filesystem::path& folder,
                const char* name) {
    std::filesystem::copy_file(from / name, folder / name);
}

}  // namespace

LauncherCopy::LauncherCopy(Component component, const std::string& programName) {
    const std::filesystem::path source = BuildOutputFolder();
    const std::filesystem::path folder = std::filesystem::path(scratch_.Path()) / "launcher copy";
    std::filesystem::create_directory(folder);
    program_ = folder / std::filesystem::u8path(programName);
    std::filesystem::copy_file(source / LAUNCHER_PROGRAM_NAME, program_);
    // Without the shared assembly's manifest Windows refuses the launcher's own.
    CopyBeside(source, folder, "Norvale.Linkage.Shared.manifest");
    // Windows programs load log4cxx and the C++ run-time from their own folder: the ones the
    // build resolved and listed, one path a line.
    if (*RUNTIME_LIBRARY_LIST != '\0') {
        std::ifstream runtimeLibraries(source / RUNTIME_LIBRARY_LIST);
        if (!runtimeLibraries) {
            throw std::runtime_error("no list of run-time DLLs beside the tests");
        }
        for (std::string path; std::getline(runtimeLibraries, path);) {
            if (!path.empty()) {
                const std::string name = std::filesystem::path(path).filename().string();
                CopyBeside(source, folder, name.c_str());
            }
        }
    }
    if (component == Component::kBeside) {
        CopyBeside(source, folder, COMPONENT_LIBRARY_NAME);
    }
}
