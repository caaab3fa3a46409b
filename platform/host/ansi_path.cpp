#include "platform/host/ansi_path.h"

#include "platform/win32.h"

namespace {

bool IsAsciiLetter(char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

}  // namespace

std::string HostAnsiPathWithSlashes(const std::string& ansiPath) {
    std::size_t index = 0;
    if (ansiPath.size() >= 2 && IsAsciiLetter(ansiPath[0]) && ansiPath[1] == ':') {
        index = 2;
    }
    std::string result;
    result.reserve(ansiPath.size());
    while (index < ansiPath.size()) {
        const char byte = ansiPath[index];
        if (_ismbblead(static_cast<unsigned char>(byte)) && index + 1 < ansiPath.size()) {
            result.append(ansiPath, index, 2);
            index += 2;
            continue;
        }
        result.push_back(byte == '\\' ? '/' : byte);
        ++index;
    }
    return result;
}

std::string HostToOsPath(const char* ansiPath) {
    return HostAnsiToUtf8(HostAnsiPathWithSlashes(ansiPath == nullptr ? "" : ansiPath));
}
