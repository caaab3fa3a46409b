// Matching of one file name against the last component of a search pattern, as Windows
// does it: '*' matches any run of characters, '?' exactly one (a double-byte character is
// one), ASCII letters match either case, and a pattern ending in ".*" also matches the names
// its front part matches, so that "*.*" matches every name. Both are in the ANSI code page.
#pragma once

#include <string>

bool HostHasWildcards(const std::string& component);
bool HostNameMatchesPattern(const std::string& pattern, const std::string& name);
