// One found entry as the probe prints it, shared by the Win32 and the fsutil search probes.
#pragma once

#include <string>

#include "platform/win32.h"

std::string FileTimeText(const FILETIME& time);
// Attributes, size and times of a found entry. The access time of directories (moved by
// every listing) and the creation time (Linux keeps none for the tree) show only as set or
// zero.
std::string FindDataText(const WIN32_FIND_DATAA& data);
