#include "platform/library_path.h"

#include "platform/win32.h"

namespace {

// ANSI -> UTF-16 -> UTF-8; an empty result for text the code page cannot convert.
std::wstring AnsiToWide(const std::string& ansi) {
    const int units =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (units <= 0) {
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), units);
    return wide;
}

std::string WideToUtf8(const std::wstring& wide) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                          nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return std::string();
    }
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    return utf8;
}

}  // namespace

std::string ToLibraryPath(const std::string& ansiPath) {
    return ansiPath;
}

bool SetLibraryPathVariable(const char* name, const std::string& ansiPath) {
    return SetEnvironmentVariableA(name, ansiPath.c_str()) != 0;
}

std::string ToLog4cxxPath(const std::string& ansiPath) {
    return WideToUtf8(AnsiToWide(ansiPath));
}
