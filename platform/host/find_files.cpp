#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "platform/host/ansi_path.h"
#include "platform/host/file_time_units.h"
#include "platform/host/wildcard_match.h"
#include "platform/win32.h"

namespace {

struct DirectoryCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};
using UniqueDirectory = std::unique_ptr<DIR, DirectoryCloser>;

// Attributes kept simple: directory, else read-only when the owner may not write, hidden for
// names that start with a dot (the host's own convention), and normal when nothing else
// applies. The creation time is the status-change time: POSIX keeps no birth time.
bool FillFindData(const std::string& osPath, const std::string& ansiName,
                  WIN32_FIND_DATAA* findData) {
    struct stat status {};
    if (ansiName.size() >= MAX_PATH || stat(osPath.c_str(), &status) != 0) {
        return false;
    }
    *findData = {};
    const bool isDirectory = S_ISDIR(status.st_mode);
    if (isDirectory) {
        findData->dwFileAttributes |= FILE_ATTRIBUTE_DIRECTORY;
    } else {
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
    if (findData->dwFileAttributes == 0) {
        findData->dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
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

FileSearch* SearchOf(HANDLE handle) {
    return handle == nullptr || handle == INVALID_HANDLE_VALUE ? nullptr
                                                               : static_cast<FileSearch*>(handle);
}

HANDLE Fail(DWORD error) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* findData) {
    if (pattern == nullptr || findData == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (std::strlen(pattern) >= MAX_PATH) {
        return Fail(ERROR_FILENAME_EXCED_RANGE);
    }
    const std::string ansiPath = HostAnsiPathWithSlashes(pattern);
    if (ansiPath.empty()) {
        return Fail(ERROR_PATH_NOT_FOUND);
    }
    const std::size_t lastSlash = ansiPath.rfind('/');
    const std::string ansiDirectory =
        lastSlash == std::string::npos ? "" : ansiPath.substr(0, lastSlash + 1);
    const std::string lastComponent = ansiPath.substr(ansiDirectory.size());
    // Windows finds nothing for a name that ends in a separator.
    if (lastComponent.empty()) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    const std::string osDirectory = ansiDirectory.empty() ? "./" : HostAnsiToUtf8(ansiDirectory);

    if (!HostHasWildcards(lastComponent)) {
        const std::string osPath = osDirectory + HostAnsiToUtf8(lastComponent);
        if (!FillFindData(osPath, lastComponent, findData)) {
            return Fail(HostErrorFromErrno(errno, osPath));
        }
        return std::make_unique<FileSearch>().release();
    }

    UniqueDirectory directory(opendir(osDirectory.c_str()));
    if (!directory) {
        // The directory to list is what is missing, never the entry.
        return Fail(errno == ENOENT ? ERROR_PATH_NOT_FOUND
                                    : HostErrorFromErrno(errno, osDirectory));
    }
    auto search = std::make_unique<FileSearch>(std::move(directory), osDirectory, lastComponent);
    if (!search->Next(findData)) {
        return Fail(ERROR_FILE_NOT_FOUND);
    }
    return search.release();
}

BOOL FindNextFileA(HANDLE search, WIN32_FIND_DATAA* findData) {
    FileSearch* const fileSearch = SearchOf(search);
    if (fileSearch == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (findData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!fileSearch->Next(findData)) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return TRUE;
}

BOOL FindClose(HANDLE search) {
    std::unique_ptr<FileSearch> fileSearch(SearchOf(search));
    if (!fileSearch) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
