#include "version_info.h"

namespace {

std::uint16_t WordAt(const unsigned char* data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

std::size_t Aligned(std::size_t at) {
    return (at + 3) & ~static_cast<std::size_t>(3);
}

// One node at `at` that must end by `end`; nothing when it overruns.
std::optional<VersionNode> ParseNode(const unsigned char* data, std::size_t at, std::size_t end) {
    constexpr std::size_t kHeaderBytes = 6;
    if (at + kHeaderBytes > end) {
        return std::nullopt;
    }
    const std::size_t length = WordAt(data, at);
    const std::size_t valueLength = WordAt(data, at + 2);
    const std::uint16_t type = WordAt(data, at + 4);
    const std::size_t nodeEnd = at + length;
    if (length < kHeaderBytes || nodeEnd > end || type > 1) {
        return std::nullopt;
    }
    VersionNode node;
    node.isText = type == 1;
    std::size_t cursor = at + kHeaderBytes;
    for (;;) {
        if (cursor + 2 > nodeEnd) {
            return std::nullopt;
        }
        const std::uint16_t unit = WordAt(data, cursor);
        cursor += 2;
        if (unit == 0) {
            break;
        }
        node.key.push_back(static_cast<char16_t>(unit));
    }
    cursor = Aligned(cursor);
    // A text value's length counts UTF-16 units, a binary one's bytes.
    const std::size_t valueBytes = node.isText ? valueLength * 2 : valueLength;
    if (cursor + valueBytes > nodeEnd) {
        return std::nullopt;
    }
    node.value.assign(data + cursor, data + cursor + valueBytes);
    cursor = Aligned(cursor + valueBytes);
    while (cursor < nodeEnd) {
        std::optional<VersionNode> child = ParseNode(data, cursor, nodeEnd);
        if (!child) {
            return std::nullopt;
        }
        cursor = Aligned(cursor + WordAt(data, cursor));
        node.children.push_back(std::move(*child));
    }
    return node;
}

}  // namespace

const VersionNode* VersionNode::Child(const std::u16string& wanted) const {
    for (const VersionNode& child : children) {
        if (child.key == wanted) {
            return &child;
        }
    }
    return nullptr;
}

std::u16string VersionNode::Text() const {
    std::u16string text;
    for (const std::uint16_t unit : Words()) {
        if (unit == 0) {
            break;
        }
        text.push_back(static_cast<char16_t>(unit));
    }
    return text;
}

std::vector<std::uint16_t> VersionNode::Words() const {
    std::vector<std::uint16_t> words;
    for (std::size_t at = 0; at + 1 < value.size(); at += 2) {
        words.push_back(WordAt(value.data(), at));
    }
    return words;
}

std::optional<VersionNode> ParseVersionInfo(const unsigned char* data, std::size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    return ParseNode(data, 0, size);
}
