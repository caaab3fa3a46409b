#include "probe_find_entry.h"

#include <cstdio>

#include "probe_output.h"

std::string FileTimeText(const FILETIME& time) {
    return Hex32(time.dwHighDateTime) + Hex32(time.dwLowDateTime);
}

namespace {

bool IsZero(const FILETIME& time) {
    return time.dwHighDateTime == 0 && time.dwLowDateTime == 0;
}

}  // namespace

std::string FindDataText(const WIN32_FIND_DATAA& data) {
    const bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    std::string text = "attr=" + Hex32(data.dwFileAttributes);
    text += " size=" + Hex32(data.nFileSizeHigh) + Hex32(data.nFileSizeLow);
    text += " write=" + FileTimeText(data.ftLastWriteTime);
    text += " access=" + (directory ? std::string(IsZero(data.ftLastAccessTime) ? "zero" : "set")
                                    : FileTimeText(data.ftLastAccessTime));
    text += std::string(" created=") + (IsZero(data.ftCreationTime) ? "zero" : "set");
    return text;
}
