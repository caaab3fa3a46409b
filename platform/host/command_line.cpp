#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The arguments the process was started with, as the kernel holds them (UTF-8).
std::vector<std::string> ProcessArguments() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    const std::string all((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start < all.size()) {
        const std::size_t end = all.find('\0', start);
        const std::size_t stop = end == std::string::npos ? all.size() : end;
        arguments.push_back(all.substr(start, stop - start));
        start = stop + 1;
    }
    return arguments;
}

}  // namespace

std::string HostQuoteCommandLineArgument(const std::string& argument) {
    const bool quoted = argument.empty() || argument.find_first_of(" \t\n\v") != std::string::npos;
    std::string result;
    if (quoted) {
        result.push_back('"');
    }
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            backslashes = backslashes * 2 + 1;  // each one escaped, then the quote's own
        }
        result.append(backslashes, '\\');
        result.push_back(c);
        backslashes = 0;
    }
    // Before the closing quote the backslashes are escaped; elsewhere they are plain.
    result.append(quoted ? backslashes * 2 : backslashes, '\\');
    if (quoted) {
        result.push_back('"');
    }
    return result;
}

std::string HostJoinCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) {
            line.push_back(' ');
        }
        line += HostQuoteCommandLineArgument(arguments[i]);
    }
    return line;
}

LPSTR HostCommandLineTail(LPSTR commandLine) {
    char* at = commandLine;
    if (*at == '"') {
        ++at;
        while (*at != '\0' && *at != '"') {
            ++at;
        }
        if (*at == '"') {
            ++at;
        }
    } else {
        while (*at != '\0' && !IsBlank(*at)) {
            ++at;
        }
    }
    while (IsBlank(*at)) {
        ++at;
    }
    return at;
}

LPSTR GetCommandLineA() {
    static std::string commandLine = HostUtf8ToAnsi(HostJoinCommandLine(ProcessArguments()));
    return commandLine.data();
}
