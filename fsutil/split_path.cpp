#include "fsutil/split_path.h"

#include <string>

#include "fsutil/path_components.h"
#include "platform/win32.h"

namespace {

const unsigned char* Bytes(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}

// The run-time writes each part with its terminator into a buffer of the component width.
bool ComponentsFit(const PathComponentLengths& lengths) {
    const std::size_t limit = ISplitPath::kComponentWidth - 1;
    return lengths.directory <= limit && lengths.fileName <= limit && lengths.extension <= limit;
}

void CutAtFirstBackslash(char* text) {
    unsigned char* backslash = _mbschr(Bytes(text), '\\');
    if (backslash != nullptr) {
        _mbsnbset(backslash, '\0', 1);
    }
}

}  // namespace

ISplitPath::ISplitPath(const char* path) {
    Split(path);
}

ISplitPath::~ISplitPath() = default;

bool ISplitPath::Split(const char* path) {
    if (path == nullptr) {
        return false;
    }
    sourcePath.Assign(path);
    if (!ComponentsFit(MeasurePathComponents(sourcePath))) {
        return false;
    }
    _splitpath(sourcePath, drive.data(), directory.data(), fileName.data(), extension.data());
    SplitUncPrefix();
    driveAndDirectory.Assign((std::string(drive) + directory.c_str()).c_str());
    nameAndExtension.Assign((std::string(fileName) + extension.c_str()).c_str());
    return true;
}

void ISplitPath::SplitUncPrefix() {
    if (drive[0] != '\0' || _mbsnbcmp(Bytes(directory), Bytes("\\\\"), 2) != 0) {
        return;
    }
    PathField unc(kComponentWidth);
    unc.Assign(directory);
    directory.Clear();
    if (_mbslen(Bytes(unc)) <= 2) {
        return;
    }

    const char* afterSlashes = unc.c_str() + 2;
    server.Assign(afterSlashes);
    CutAtFirstBackslash(server.data());
    drive.Assign(unc);
    CutAtFirstBackslash(drive.data() + 2);
    const unsigned char* share = _mbschr(Bytes(afterSlashes), '\\');
    if (share != nullptr) {
        directory.Assign(reinterpret_cast<const char*>(share));
    }
}
