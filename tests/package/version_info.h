// A version resource (VS_VERSIONINFO) read as the tree of nodes it is: each node a length, a
// value length, a type, a UTF-16 key, then its value and its children, each aligned to 4
// bytes from the resource's start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct VersionNode {
    std::u16string key;
    std::vector<unsigned char> value;
    bool isText = false;
    std::vector<VersionNode> children;

    // The child with the given key, or nothing.
    const VersionNode* Child(const std::u16string& wanted) const;
    // A text value without its terminating zero.
    std::u16string Text() const;
    // The value's 16-bit little-endian units.
    std::vector<std::uint16_t> Words() const;
};

// The root node, or nothing when the bytes are not a well-formed node tree.
std::optional<VersionNode> ParseVersionInfo(const unsigned char* data, std::size_t size);
