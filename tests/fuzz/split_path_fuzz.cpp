// The path splitter on any bytes: every field is a terminated run of whole characters that
// fits its width, and the fields are what a plain character walk makes of the cut path.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fsutil/mbcs_string.h"
#include "fsutil/split_path.h"
#include "character_width.h"
#include "fuzz_support.h"

namespace {

constexpr std::size_t kPathLimit = ISplitPath::kPathWidth;
constexpr std::size_t kComponentLimit = ISplitPath::kComponentWidth - 1;

bool EndsInLoneLeadByte(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && at + WidthAt(text, at) < text.size()) {
        at += WidthAt(text, at);
    }
    return at + 1 == text.size() && IsLeadByte(text[at]);
}

// At most limit bytes of text, whole characters only, and no lone lead byte at the end.
std::string CutOnWholeCharacter(const std::string& text, std::size_t limit) {
    std::size_t kept = 0;
    while (kept < text.size()) {
        const std::size_t width = WidthAt(text, kept);
        if ((width == 1 && IsLeadByte(text[kept])) || kept + width > limit) {
            break;
        }
        kept += width;
    }
    return text.substr(0, kept);
}

// The field's text, after checking that a terminator lies within width bytes of text.
std::string FieldText(const char* field, std::size_t width) {
    Require(std::memchr(field, '\0', width + 1) != nullptr);
    const std::string text(field);
    Require(!EndsInLoneLeadByte(text));
    return text;
}

struct Fields {
    std::string drive;
    std::string server;
    std::string directory;
    std::string fileName;
    std::string extension;
};

bool IsSeparator(char byte) {
    return byte == '\\' || byte == '/';
}

// Drive, directory, name and extension by one walk over the characters.
Fields ReferenceSplit(const std::string& path) {
    Fields fields;
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        fields.drive = path.substr(0, 2);
        start = 2;
    }
    std::size_t directoryEnd = start;
    std::size_t dot = std::string::npos;
    for (std::size_t at = 0; at < path.size(); at += WidthAt(path, at)) {
        if (at < start || IsLeadByte(path[at])) {
            continue;
        }
        if (IsSeparator(path[at])) {
            directoryEnd = at + 1;
            dot = std::string::npos;
        } else if (path[at] == '.') {
            dot = at;
        }
    }
    const std::size_t nameEnd = dot == std::string::npos ? path.size() : dot;
    fields.directory = path.substr(start, directoryEnd - start);
    fields.fileName = path.substr(directoryEnd, nameEnd - directoryEnd);
    fields.extension = path.substr(nameEnd);
    return fields;
}

// \\server\share\...: the drive takes the backslashes and the server, the directory the rest.
// Two backslashes alone name no server and are dropped.
void TakeUncPrefix(Fields& fields) {
    if (!fields.drive.empty() || fields.directory.compare(0, 2, "\\\\") != 0) {
        return;
    }
    const std::string unc = fields.directory;
    fields.directory.clear();
    if (unc.size() == 2) {
        return;
    }
    // Byte 2 starts a character: the two before it are backslashes.
    std::size_t share = unc.size();
    for (std::size_t at = 2; at < unc.size(); at += WidthAt(unc, at)) {
        if (unc[at] == '\\') {
            share = at;
            break;
        }
    }
    fields.drive = unc.substr(0, share);
    fields.server = unc.substr(2, share - 2);
    fields.directory = unc.substr(share);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The splitter takes a C string: the input up to its first zero byte. Nothing past the
    // first 261 bytes can matter, so longer inputs are cut, which keeps executions cheap.
    const std::string input(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 300));
    const ISplitPath split(input.c_str());

    const std::string source = FieldText(split.sourcePath, kPathLimit);
    const Fields actual{
        FieldText(split.drive, kComponentLimit), FieldText(split.server, kComponentLimit),
        FieldText(split.directory, kComponentLimit), FieldText(split.fileName, kComponentLimit),
        FieldText(split.extension, kComponentLimit)};
    const std::string driveAndDirectory = FieldText(split.driveAndDirectory, kPathLimit);
    const std::string nameAndExtension = FieldText(split.nameAndExtension, kPathLimit);

    Require(source == CutOnWholeCharacter(input.c_str(), kPathLimit));

    Fields expected = ReferenceSplit(source);
    const bool fits = expected.directory.size() <= kComponentLimit &&
                      expected.fileName.size() <= kComponentLimit &&
                      expected.extension.size() <= kComponentLimit;
    if (!fits) {
        Require(actual.drive.empty() && actual.server.empty() && actual.directory.empty() &&
                actual.fileName.empty() && actual.extension.empty() && driveAndDirectory.empty() &&
                nameAndExtension.empty());
        return 0;
    }
    TakeUncPrefix(expected);
    Require(actual.drive == expected.drive && actual.server == expected.server &&
            actual.directory == expected.directory && actual.fileName == expected.fileName &&
            actual.extension == expected.extension);

    // A UNC drive is the two backslashes and the server, and the server holds no backslash.
    if (actual.drive.compare(0, 2, "\\\\") == 0) {
        Require(actual.drive == "\\\\" + actual.server);
        for (std::size_t at = 0; at < actual.server.size(); at += WidthAt(actual.server, at)) {
            Require(actual.server[at] != '\\');
        }
        Require(source == actual.drive + actual.directory + actual.fileName + actual.extension);
    }

    Require(driveAndDirectory == CutOnWholeCharacter(actual.drive + actual.directory, kPathLimit));
    Require(nameAndExtension ==
            CutOnWholeCharacter(actual.fileName + actual.extension, kPathLimit));
    return 0;
}
