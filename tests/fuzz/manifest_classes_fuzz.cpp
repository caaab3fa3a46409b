// The manifest's class lookup against any bytes: it never crashes, and on manifests plain
// enough for a tag scanner (no entities, CDATA or declarations), the file it names is the
// first <file> child of the root <assembly> that holds a <comClass> with the class id.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/manifest_classes.h"

namespace {

struct Tag {
    std::string name;  // without the namespace prefix
    std::vector<std::pair<std::string, std::string>> attributes;
    bool closing = false;
    bool empty = false;  // <name ... />
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Attribute values as the parser hands them out: line ends and tabs read as spaces.
std::string NormalizedValue(const std::string& raw) {
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            continue;
        }
        value.push_back(IsSpace(raw[i]) ? ' ' : raw[i]);
    }
    return value;
}

std::string LocalName(const std::string& name) {
    const std::size_t colon = name.rfind(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

// The tags of a manifest in order; nothing when it holds what the scanner does not read.
std::optional<std::vector<Tag>> ScanTags(const std::string& text) {
    if (text.find('&') != std::string::npos || text.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    std::vector<Tag> tags;
    std::size_t at = 0;
    while ((at = text.find('<', at)) != std::string::npos) {
        if (text.compare(at, 4, "<!--") == 0) {
            const std::size_t end = text.find("-->", at + 4);
            if (end == std::string::npos) {
                return std::nullopt;
            }
            at = end + 3;
            continue;
        }
        if (text.compare(at, 2, "<?") == 0) {
            const std::size_t end = text.find("?>", at + 2);
            if (end == std::string::npos) {
                return std::nullopt;
            }
            at = end + 2;
            continue;
        }
        if (text.compare(at, 2, "<!") == 0) {
            return std::nullopt;
        }
        Tag tag;
        ++at;
        if (at < text.size() && text[at] == '/') {
            tag.closing = true;
            ++at;
        }
        const std::size_t nameStart = at;
        while (at < text.size() && !IsSpace(text[at]) && text[at] != '/' && text[at] != '>') {
            ++at;
        }
        tag.name = LocalName(text.substr(nameStart, at - nameStart));
        for (;;) {
            while (at < text.size() && IsSpace(text[at])) {
                ++at;
            }
            if (at >= text.size()) {
                return std::nullopt;
            }
            if (text[at] == '>') {
                ++at;
                break;
            }
            if (text.compare(at, 2, "/>") == 0) {
                tag.empty = true;
                at += 2;
                break;
            }
            const std::size_t attributeStart = at;
            while (at < text.size() && text[at] != '=' && !IsSpace(text[at]) && text[at] != '>' &&
                   text[at] != '/') {
                ++at;
            }
            const std::string attribute = text.substr(attributeStart, at - attributeStart);
            while (at < text.size() && IsSpace(text[at])) {
                ++at;
            }
            if (at >= text.size() || text[at] != '=') {
                return std::nullopt;
            }
            ++at;
            while (at < text.size() && IsSpace(text[at])) {
                ++at;
            }
            if (at >= text.size() || (text[at] != '"' && text[at] != '\'')) {
                return std::nullopt;
            }
            const std::size_t valueEnd = text.find(text[at], at + 1);
            if (valueEnd == std::string::npos) {
                return std::nullopt;
            }
            tag.attributes.emplace_back(attribute,
                                        NormalizedValue(text.substr(at + 1, valueEnd - at - 1)));
            at = valueEnd + 1;
        }
        tags.push_back(tag);
    }
    return tags;
}

const std::string* Attribute(const Tag& tag, const char* name) {
    for (const auto& [key, value] : tag.attributes) {
        if (key == name) {
            return &value;
        }
    }
    return nullptr;
}

// The 16 bytes of a "{8-4-4-4-12}" class id in memory order, compared with a GUID's bytes.
std::optional<GUID> ReferenceGuid(const std::string& text) {
    static const char kShape[] = "{........-....-....-....-............}";
    if (text.size() != std::strlen(kShape)) {
        return std::nullopt;
    }
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (kShape[i] != '.') {
            if (c != kShape[i]) {
                return std::nullopt;
            }
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        digits.push_back(c);
    }
    const auto hex = [&](std::size_t from, std::size_t count) {
        return std::stoull(digits.substr(from, count), nullptr, 16);
    };
    GUID guid{};
    guid.Data1 = static_cast<std::uint32_t>(hex(0, 8));
    guid.Data2 = static_cast<std::uint16_t>(hex(8, 4));
    guid.Data3 = static_cast<std::uint16_t>(hex(12, 4));
    for (std::size_t i = 0; i < 8; ++i) {
        guid.Data4[i] = static_cast<std::uint8_t>(hex(16 + 2 * i, 2));
    }
    return guid;
}

bool SameGuid(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

struct Declared {
    std::string file;
    GUID clsid;
};

// Every <comClass clsid> in a <file> child of the root, in document order.
std::vector<Declared> DeclaredClasses(const std::vector<Tag>& tags) {
    std::vector<Declared> declared;
    if (tags.empty() || tags[0].closing || tags[0].name != "assembly") {
        return declared;
    }
    if (tags[0].empty) {
        return declared;
    }
    int depth = 1;
    std::optional<std::string> file;  // the open <file> child of the root
    for (std::size_t i = 1; i < tags.size() && depth > 0; ++i) {
        const Tag& tag = tags[i];
        if (tag.closing) {
            --depth;
            if (depth == 1) {
                file.reset();
            }
            continue;
        }
        if (depth == 1 && tag.name == "file" && !tag.empty) {
            const std::string* name = Attribute(tag, "name");
            file = name != nullptr ? *name : std::string();
        } else if (depth == 2 && file && tag.name == "comClass") {
            const std::string* clsid = Attribute(tag, "clsid");
            const std::optional<GUID> guid =
                clsid != nullptr ? ReferenceGuid(*clsid) : std::nullopt;
            if (guid) {
                declared.push_back(Declared{*file, *guid});
            }
        }
        if (!tag.empty) {
            ++depth;
        }
    }
    return declared;
}

// Every clsid attribute of any element, declared in a file or not: the classes worth asking
// for.
std::vector<GUID> ClassIdsAnywhere(const std::vector<Tag>& tags) {
    std::vector<GUID> ids;
    for (const Tag& tag : tags) {
        const std::string* clsid = Attribute(tag, "clsid");
        const std::optional<GUID> guid = clsid != nullptr ? ReferenceGuid(*clsid) : std::nullopt;
        if (guid) {
            ids.push_back(*guid);
        }
    }
    return ids;
}

}  // namespace

// The first byte picks the class: one of the ids the manifest spells anywhere, or (odd) 16
// bytes from the input's end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::vector<unsigned char> manifest(data + 1, data + size);
    const std::string text(manifest.begin(), manifest.end());
    const std::optional<std::vector<Tag>> tags = ScanTags(text);
    const std::vector<Declared> declared = tags ? DeclaredClasses(*tags) : std::vector<Declared>{};

    GUID clsid{};
    const std::vector<GUID> candidates = tags ? ClassIdsAnywhere(*tags) : std::vector<GUID>{};
    if (choice % 2 == 0 && !candidates.empty()) {
        clsid = candidates[(choice / 2) % candidates.size()];
    } else if (manifest.size() >= sizeof(GUID)) {
        std::memcpy(&clsid, manifest.data() + manifest.size() - sizeof(GUID), sizeof(GUID));
    }

    const std::optional<std::string> file =
        host::FindComClassFile(manifest.data(), manifest.size(), clsid);
    if (!file || !tags) {
        return 0;
    }
    for (const Declared& entry : declared) {
        if (SameGuid(entry.clsid, clsid)) {
            if (entry.file != *file) {
                std::abort();
            }
            return 0;
        }
    }
    std::abort();
}
