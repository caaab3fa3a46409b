#include "fsutil/file_find.h"

#include <cstring>

#include "fsutil/file_time.h"
#include "fsutil/mbcs_string.h"

namespace {

constexpr std::size_t kNameWidth = sizeof(WIN32_FIND_DATAA::cFileName);

bool EndsInSeparator(const std::string& root) {
    const int last = static_cast<int>(root.size()) - 1;
    return ReverseFindChar(root, '\\') == last || ReverseFindChar(root, '/') == last;
}

// The full path without its last component; the whole path when it has no separator.
std::string DirectoryOf(const char* fullPath) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(fullPath);
    const unsigned char* backslash = _mbsrchr(bytes, '\\');
    const unsigned char* slash = _mbsrchr(bytes, '/');
    const unsigned char* cut = backslash;
    if (cut == nullptr || (slash != nullptr && slash > cut)) {
        cut = slash;
    }
    if (cut == nullptr) {
        return fullPath;
    }
    return std::string(fullPath, static_cast<std::size_t>(cut - bytes));
}

}  // namespace

IFileFind::IFileFind() = default;

IFileFind::~IFileFind() {
    EndSearch();
}

std::string IFileFind::GetEntryName() const {
    if (!currentEntry) {
        return std::string();
    }
    const char* name = currentEntry->cFileName;
    return std::string(name, strnlen(name, kNameWidth));
}

std::string IFileFind::GetEntryPath() const {
    std::string path = searchRoot;
    if (!EndsInSeparator(searchRoot)) {
        path += separator;
    }
    return path + GetEntryName();
}

std::string IFileFind::GetEntryTitle() const {
    const std::string name = GetEntryName();
    const int dot = ReverseFindChar(name, '.');
    return dot < 0 ? name : name.substr(0, static_cast<std::size_t>(dot));
}

std::string IFileFind::GetEntryUrl() const {
    return "file://" + GetEntryPath();
}

std::string IFileFind::GetSearchRoot() const {
    return searchRoot;
}

bool IFileFind::GetModifiedTime(__time64_t& time) const {
    return ReadTime(&WIN32_FIND_DATAA::ftLastWriteTime, time);
}

bool IFileFind::GetModifiedFileTime(FILETIME* fileTime) const {
    return CopyFileTime(&WIN32_FIND_DATAA::ftLastWriteTime, fileTime);
}

bool IFileFind::GetAccessedTime(__time64_t& time) const {
    return ReadTime(&WIN32_FIND_DATAA::ftLastAccessTime, time);
}

bool IFileFind::GetAccessedFileTime(FILETIME* fileTime) const {
    return CopyFileTime(&WIN32_FIND_DATAA::ftLastAccessTime, fileTime);
}

bool IFileFind::GetCreatedTime(__time64_t& time) const {
    return ReadTime(&WIN32_FIND_DATAA::ftCreationTime, time);
}

bool IFileFind::GetCreatedFileTime(FILETIME* fileTime) const {
    return CopyFileTime(&WIN32_FIND_DATAA::ftCreationTime, fileTime);
}

bool IFileFind::TestAttributes(DWORD mask) const {
    return currentEntry && (currentEntry->dwFileAttributes & mask) != 0;
}

bool IFileFind::IsDotEntry() const {
    if (!currentEntry || !TestAttributes(FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    const char* name = currentEntry->cFileName;
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool IFileFind::BeginSearch(const char* pattern) {
    EndSearch();
    if (pattern == nullptr) {
        pattern = "*.*";
    }
    // Names and full paths here are MAX_PATH-bound; a longer pattern is refused up front
    // rather than left to whatever each platform makes of it.
    if (strnlen(pattern, kNameWidth) >= kNameWidth) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }

    nextEntry = std::make_unique<WIN32_FIND_DATAA>();
    searchHandle.reset(FindFirstFileA(pattern, nextEntry.get()));
    if (!searchHandle) {
        const DWORD error = GetLastError();
        EndSearch();
        SetLastError(error);
        return false;
    }

    char fullPath[MAX_PATH] = {};
    if (_fullpath(fullPath, pattern, sizeof fullPath) == nullptr) {
        EndSearch();
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    searchRoot = DirectoryOf(fullPath);
    return true;
}

bool IFileFind::AdvanceEntry() {
    if (!HasOpenSearch()) {
        return false;
    }
    // Two records serve the whole search: the one read before becomes the next look-ahead.
    FindRecord buffer = std::move(currentEntry);
    if (!buffer) {
        buffer = std::make_unique<WIN32_FIND_DATAA>();
    }
    currentEntry = std::move(nextEntry);
    nextEntry = std::move(buffer);
    return FindNextFileA(searchHandle.get(), nextEntry.get()) != FALSE;
}

bool IFileFind::CloseSearchHandle() {
    return FindClose(searchHandle.get()) != FALSE;
}

void IFileFind::EndSearch() {
    currentEntry.reset();
    nextEntry.reset();
    if (HasOpenSearch()) {
        CloseSearchHandle();
        // Closed just now: the owner lets go of it without closing it again.
        searchHandle.release();
    }
}

bool IFileFind::HasOpenSearch() const {
    return static_cast<bool>(searchHandle);
}

bool IFileFind::ReadTime(FILETIME WIN32_FIND_DATAA::*field, __time64_t& time) const {
    if (!currentEntry) {
        return false;
    }
    time = FileTimeToTime64((*currentEntry).*field, -1);
    return true;
}

bool IFileFind::CopyFileTime(FILETIME WIN32_FIND_DATAA::*field, FILETIME* fileTime) const {
    if (!currentEntry || fileTime == nullptr) {
        return false;
    }
    *fileTime = (*currentEntry).*field;
    return true;
}
