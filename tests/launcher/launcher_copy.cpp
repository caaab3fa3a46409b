#include "launcher_copy.h"

#include <sstream>

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
    // Windows programs load log4cxx and the C++ run-time from their own folder.
    std::istringstream runtimeLibraries(RUNTIME_LIBRARIES);
    for (std::string name; std::getline(runtimeLibraries, name, '|');) {
        if (!name.empty()) {
            CopyBeside(source, folder, name.c_str());
        }
    }
    if (component == Component::kBeside) {
        CopyBeside(source, folder, COMPONENT_LIBRARY_NAME);
    }
}
