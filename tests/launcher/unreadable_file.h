// A file that exists, and that a search finds, but that no other process can open for
// reading while this object lives, not even one run as root: on Windows a file held open
// with no sharing, on the host a socket (root reads any plain file whatever its mode).
#pragma once

#include <string>

class UnreadableFile {
  public:
    // path: as this platform's file streams open it (ToLibraryPath's form).
    explicit UnreadableFile(const std::string& path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

  private:
    std::string path_;
    void* handle_ = nullptr;  // Windows
    int socket_ = -1;         // host
};
