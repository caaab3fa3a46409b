// Directory creation and existence tests on narrow paths (absolute, relative or UNC).
#pragma once

#include <string>

// Creates the directory named by path together with every missing directory above it, from
// the top down. True when this call created the directory itself: false when it already
// exists, or when a parent is no directory or cannot be created (directories created above
// it stay). Trailing backslashes or slashes are ignored when looking for the parent, and a
// run of separators counts as one, as the system reads it. The climb stops at a drive root
// and at a UNC share root (\\server\share), which is taken as existing.
bool CreateDirectoryTree(const std::string& path);

// True when at least one file or directory matches path; wildcards in the last component
// count. The thread's last-error code is left as the search left it.
bool PathExists(const std::string& path);

// One directory, no security attributes. Fails when it exists or its parent is missing.
bool MakeDirectory(const std::string& path);
