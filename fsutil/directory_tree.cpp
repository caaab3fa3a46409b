#include "fsutil/directory_tree.h"

#include <cstring>

#include "fsutil/file_find.h"
#include "fsutil/mbcs_string.h"
#include "fsutil/split_path.h"
#include "platform/win32.h"

namespace {

// A path ending in a slash would otherwise be its own parent and never stop climbing. The
// system reads a run of separators as one, so the whole run goes.
void DropTrailingSeparators(std::string& path) {
    for (int last = static_cast<int>(path.size()) - 1;
         last >= 0 && (ReverseFindChar(path, '\\') == last || ReverseFindChar(path, '/') == last);
         --last) {
        path.pop_back();
    }
}

// Empty or separators only: a root, or no directory at all. A trail byte of 92 follows a lead
// byte, so a directory of separators alone holds no double-byte character.
bool IsRootOrNone(const char* directory) {
    return std::strspn(directory, "\\/") == std::strlen(directory);
}

// "\\server\share": a search cannot find it, as it finds no drive root, and it cannot be
// created, so the climb takes it as there and stops. Trailing separators are gone already.
bool IsShareRoot(const std::string& parent) {
    const ISplitPath split(parent.c_str());
    return split.server[0] != '\0' && IsRootOrNone(split.directory) &&
           split.nameAndExtension[0] != '\0';
}

bool IsExistingDirectoryOrCreated(const std::string& parent) {
    if (IsShareRoot(parent)) {
        return true;
    }
    IFileFind finder;
    if (!finder.BeginSearch(parent.c_str())) {
        return CreateDirectoryTree(parent);
    }
    finder.AdvanceEntry();
    return finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool CreateDirectoryTree(const std::string& path) {
    std::string target = path;
    DropTrailingSeparators(target);

    std::string parent;
    {
        const ISplitPath split(target.c_str());
        // Directly below a root, or a bare name: nothing above it to look for.
        if (IsRootOrNone(split.directory)) {
            return MakeDirectory(path);
        }
        parent = std::string(split.drive) + split.directory.c_str();
    }
    DropTrailingSeparators(parent);

    if (!IsExistingDirectoryOrCreated(parent)) {
        return false;
    }
    return MakeDirectory(path);
}

bool PathExists(const std::string& path) {
    IFileFind finder;
    const bool found = finder.BeginSearch(path.c_str());
    // Closing the search must not overwrite the code the search left.
    const DWORD error = GetLastError();
    finder.EndSearch();
    SetLastError(error);
    return found;
}

bool MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}
