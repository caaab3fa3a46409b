// A narrow path taken apart once, at construction, into fixed-width fields that the caller
// reads directly. UNC paths (\\server\share\...) get the server in a field of its own, and
// the drive field then holds the two backslashes and the server name.
//
// The source path is cut at 260 bytes, never inside a double-byte character. A directory,
// file name or extension longer than 255 bytes does not fit its field: such a path is not
// split at all, so sourcePath holds the (cut) path and every other field stays empty rather
// than holding a clipped part that names some other file.
#pragma once

#include <cstddef>

#include "fsutil/path_field.h"

class ISplitPath {
  public:
    static constexpr std::size_t kPathWidth = 260;
    static constexpr std::size_t kComponentWidth = 256;

    // A null path leaves every field empty.
    explicit ISplitPath(const char* path = nullptr);
    virtual ~ISplitPath();

    ISplitPath(const ISplitPath&) = delete;
    ISplitPath& operator=(const ISplitPath&) = delete;

    PathField sourcePath{kPathWidth};
    PathField drive{kComponentWidth};
    PathField server{kComponentWidth};
    PathField directory{kComponentWidth};
    PathField fileName{kComponentWidth};
    PathField extension{kComponentWidth};
    PathField driveAndDirectory{kPathWidth};
    PathField nameAndExtension{kPathWidth};

  private:
    bool Split(const char* path);
    void SplitUncPrefix();
};
