// Narrow paths of the system on their way to and from the host's file system. The host has
// one root, which leaves the layer as drive Z: (as Wine presents the Linux root); on the way
// in, any drive prefix or none names that root, and backslash and slash both separate.
// A UNC path (\\server\share\...) names <folder>/server/share/... where <folder> is the
// one LAUNCHER_HOST_UNC_FOLDER names, as Wine reaches shares through dosdevices/unc; without
// it no share can be reached.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

// The path with a leading drive prefix ("C:") dropped and every backslash that is a
// character of its own (not the trail byte of a double-byte character) turned into '/'.
// Still in the ANSI code page, where no trail byte is a '/', so the result splits at '/'
// byte by byte.
std::string HostAnsiPathWithSlashes(const std::string& ansiPath);

// The UTF-8 host path of a narrow name, its drive prefix dropped and its separators made
// slashes (no full path is formed); a UNC name below the share folder when there is one.
std::string HostToOsPath(const char* ansiPath);

// The components of a full path as Win32 forms it from the text alone: relative paths
// taken against the current directory, "." and ".." resolved (".." stops at the root),
// one trailing dot stripped from every component but the last, which loses all its trailing
// dots and spaces. A path that ends in a separator (or in a component of dots only) ends in
// an empty component. No components: the root. Empty when the current directory cannot be
// read.
//
// A UNC path keeps its server and share apart; its components lie below the share, where
// ".." stops. None: the share root.
struct HostFullPath {
    bool valid = false;
    std::vector<std::string> components;
    bool unc = false;
    std::string server;  // ANSI; empty for a path that names no server
    std::string share;   // ANSI; empty for a path that names no share
};
HostFullPath HostFullPathOf(const std::string& ansiPath);

// ERROR_SUCCESS unless the path is a UNC one whose share cannot be reached: ERROR_BAD_NETPATH
// with no share folder, no server, or a server that has none; ERROR_BAD_NET_NAME for a share
// the server does not have.
DWORD HostShareError(const HostFullPath& full);
// "/a/b" in UTF-8 for a full path; for a UNC one the share's folder with the components below.
std::string HostOsPath(const HostFullPath& full);

// "\a\b" in the ANSI code page, for a drive or UNC root to be put before; the root is "\".
std::string HostBackslashPath(const std::vector<std::string>& components);
// "/a/b" in UTF-8; the root is "/".
std::string HostOsPath(const std::vector<std::string>& components);
// A UTF-8 host path ("/a/b") as the layer hands paths out ("Z:\a\b"); below a share's
// folder, as the share names it ("\\srv\share\a").
std::string HostWindowsPathOfOsPath(const std::string& osPath);
