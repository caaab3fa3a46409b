// While one lives, the libraries we link (log4cxx) read and write the calling thread's
// multibyte text as the encoding ToLibraryPath gives, whatever the process's locale: on the
// host they decode a path with the C library's locale and would turn non-ASCII bytes into
// '?' under "C". On Windows the library takes the ANSI path as it is, so nothing changes.
// Other threads and the process locale are never touched.
#pragma once

class LibraryTextLocale {
  public:
    LibraryTextLocale();
    ~LibraryTextLocale();
    LibraryTextLocale(const LibraryTextLocale&) = delete;
    LibraryTextLocale& operator=(const LibraryTextLocale&) = delete;

  private:
    // The host's locale handles, kept opaque so this header needs no system header.
    void* libraryLocale_ = nullptr;
    void* previousLocale_ = nullptr;
};
