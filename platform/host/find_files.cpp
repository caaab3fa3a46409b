#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/host/ansi_path.h"
#include "platform/host/file_time_units.h"
#include "platform/host/wildcard_match.h"
#include "platform/win32.h"

namespace {

struct DirectoryCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};
using UniqueDirectory = std::unique_ptr<DIR, DirectoryCloser>;

// Attributes as Wine gives them: a directory is DIRECTORY alone, a file is ARCHIVE, with
// READONLY when its owner may not write it; a name that starts with a dot is HIDDEN (not
// "." and ".."). The creation time is the status-change time: POSIX keeps no birth time.
bool FillFindData(const std::string& osPath, const std::string& ansiName,
                  WIN32_FIND_DATAA* findData) {
    struct stat status {};
    if (ansiName.size() >= MAX_PATH || stat(osPath.c_str(), &status) != 0) {
        return false;
    }
    *findData = {};
    if (S_ISDIR(status.st_mode)) {
        findData->dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
    } else {
        findData->dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
        if ((status.st_mode & S_IWUSR) == 0) {
            findData->dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
        }
        const auto size = static_cast<std::uint64_t>(status.st_size);
        findData->nFileSizeHigh = static_cast<DWORD>(size >> 32);
        findData->nFileSizeLow = static_cast<DWORD>(size & 0xFFFF'FFFF);
    }
    if (ansiName[0] == '.' && ansiName != "." && ansiName != "..") {
        findData->dwFileAttributes |= FILE_ATTRIBUTE_HIDDEN;
    }
    findData->ftCreationTime = FileTimeOfTimespec(status.st_ctim);
    findData->ftLastAccessTime = FileTimeOfTimespec(status.st_atim);
    findData->ftLastWriteTime = FileTimeOfTimespec(status.st_mtim);
    std::memcpy(findData->cFileName, ansiName.c_str(), ansiName.size() + 1);
    return true;
}

// What a search handle stands for: either the entries of one directory that match a
// pattern, "." and ".." first, or one entry named without wildcards.
class FileSearch {
  public:
    explicit FileSearch(UniqueDirectory directory, std::string osDirectory, std::string pattern)
        : directory_(std::move(directory)),
          osDirectory_(std::move(osDirectory)),
          pattern_(std::move(pattern)) {}
    FileSearch() = default;

    bool Next(WIN32_FIND_DATAA* findData) {
        if (!directory_) {
            return false;
        }
        // readdir gives the dot entries in no particular place; Windows lists them first.
        while (dotEntriesListed_ < 2) {
            const std::string name = dotEntriesListed_++ == 0 ? "." : "..";
            if (HostNameMatchesPattern(pattern_, name) &&
                FillFindData(osDirectory_ + name, name, findData)) {
                return true;
            }
        }
        while (const dirent* entry = readdir(directory_.get())) {
            const std::string osName = entry->d_name;
            if (osName == "." || osName == "..") {
                continue;
            }
            const std::string ansiName = HostUtf8ToAnsi(osName);
            // An entry that vanished since it was listed, or whose name is too long, is passed.
            if (HostNameMatchesPattern(pattern_, ansiName) &&
                FillFindData(osDirectory_ + osName, ansiName, findData)) {
                return true;
            }
        }
        return false;
    }

  private:
    UniqueDirectory directory_;
    std::string osDirectory_;  // with its trailing '/'
    std::string pattern_;
    int dotEntriesListed_ = 0;
};

// Open searches by handle value. A handle is never reused, so one that was closed, or never
// was a search, is told apart instead of being followed into freed memory.
class SearchTable {
  public:
    HANDLE Add(std::unique_ptr<FileSearch> search) {
        const std::lock_guard<std::mutex> lock(mutex_);
        nextHandle_ += 4;
        searches_.emplace(nextHandle_, std::move(search));
        return reinterpret_cast<HANDLE>(nextHandle_);
    }
    // Runs step on the search of handle under the lock; false when there is none.
    template <typename Step>
    bool With(HANDLE handle, Step step) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = searches_.find(reinterpret_cast<std::uintptr_t>(handle));
        if (found == searches_.end()) {
            return false;
        }
        step(*found->second);
        return true;
    }
    bool Remove(HANDLE handle) {
        const std::lock_guard<std::mutex> lock(mutex_);
        return searches_.erase(reinterpret_cast<std::uintptr_t>(handle)) == 1;
    }

  private:
    std::mutex mutex_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::map<std::uintptr_t, std::unique_ptr<FileSearch>> searches_;
};

SearchTable& Searches() {
    static SearchTable table;
    return table;
}

HANDLE Fail(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

// ERROR_SUCCESS when the directory of a search is one. As Wine has it, a search in a file
// is for an invalid name; a directory missing on the way, or a file above, a missing path.
DWORD DirectoryError(std::string osDirectory) {
    if (osDirectory.size() > 1) {
        osDirectory.pop_back();  // "file/" would fail as if the file were missing
    }
    struct stat status {};
    if (stat(osDirectory.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? ERROR_SUCCESS : ERROR_INVALID_NAME;
    }
    return errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                               : HostErrorFromErrno(errno, osDirectory);
}

// The error of a search whose call on osPath failed with errno error: what is wrong with its
// directory first, else what the call met.
DWORD SearchError(int error, const std::string& osDirectory, const std::string& osPath) {
    const DWORD directoryError = DirectoryError(osDirectory);
    return directoryError != ERROR_SUCCESS ? directoryError : HostErrorFromErrno(error, osPath);
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* findData) {
    if (pattern == nullptr || findData == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (std::strlen(pattern) >= MAX_PATH) {
        return Fail(ERROR_FILENAME_EXCED_RANGE);
    }
    if (pattern[0] == '\0') {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    HostFullPath full = HostFullPathOf(pattern);
    if (!full.valid) {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    const DWORD shareError = HostShareError(full);
    if (shareError != ERROR_SUCCESS) {
        return Fail(shareError);
    }
    // A share root is no entry of a folder: Windows looks for it on the server itself.
    if (full.unc && full.components.empty()) {
        return Fail(ERROR_BAD_NET_NAME);
    }
    // The root has no name to find, nor has a path that ends in a separator.
    if (full.components.empty() || full.components.back().empty()) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    // Trailing dots of a wildcard name are part of the pattern ("*." finds the names without
    // an extension), so the name is taken as written.
    const std::string written = HostAnsiPathWithSlashes(pattern);
    const std::string writtenName = written.substr(written.rfind('/') + 1);
    const std::string name = HostHasWildcards(writtenName) ? writtenName : full.components.back();
    full.components.pop_back();
    if (!std::all_of(full.components.begin(), full.components.end(), HostIsValidName)) {
        return Fail(ERROR_INVALID_NAME);
    }
    std::string osDirectory = HostOsPath(full);
    if (osDirectory.back() != '/') {
        osDirectory += '/';
    }

    if (!HostHasWildcards(name)) {
        if (!HostIsValidName(name)) {
            return Fail(ERROR_FILE_NOT_FOUND);
        }
        const std::string osPath = osDirectory + HostAnsiToUtf8(name);
        if (!FillFindData(osPath, name, findData)) {
            return Fail(SearchError(errno, osDirectory, osPath));
        }
        return Searches().Add(std::make_unique<FileSearch>());
    }

    UniqueDirectory directory(opendir(osDirectory.c_str()));
    if (!directory) {
        return Fail(SearchError(errno, osDirectory, osDirectory));
    }
    auto search = std::make_unique<FileSearch>(std::move(directory), osDirectory, name);
    if (!search->Next(findData)) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    return Searches().Add(std::move(search));
}

BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData) {
    bool found = false;
    if (!Searches().With(search, [&](FileSearch& fileSearch) {
            found = findData != nullptr && fileSearch.Next(findData);
        })) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (findData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!found) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return TRUE;
}

BOOL FindClose(HANDLE search) {
    if (!Searches().Remove(search)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
