// Reading back what the demo application recorded of its run.
#pragma once

#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>

// The record's "key=value" lines, or nothing when there is no record file.
inline std::optional<std::map<std::string, std::string>> ReadRunRecord(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::map<std::string, std::string> fields;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t separator = line.find('=');
        if (separator != std::string::npos) {
            fields[line.substr(0, separator)] = line.substr(separator + 1);
        }
    }
    return fields;
}
