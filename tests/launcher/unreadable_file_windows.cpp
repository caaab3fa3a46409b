#include <stdexcept>

#include "platform/win32.h"
#include "unreadable_file.h"

// Held open with no sharing: every other open fails with a sharing violation.
UnreadableFile::UnreadableFile(const std::string& path) : path_(path) {
    handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot hold " + path + " open");
    }
}

UnreadableFile::~UnreadableFile() {
    CloseHandle(handle_);
    DeleteFileA(path_.c_str());
}
