// Path splitting and full paths: the run-time's and fsutil's, over edge cases and the corpus.
#include <cstdlib>
#include <cstring>

#include "fsutil/mbcs_string.h"
#include "fsutil/split_path.h"
#include "probe_corpus.h"
#include "probe_sections.h"

namespace {

std::string Repeated(char byte, std::size_t count) {
    return std::string(count, byte);
}

std::vector<std::string> EdgeCases() {
    std::vector<std::string> cases = {
        "",
        "a",
        "a.b",
        ".a",
        "a.",
        "..",
        ".",
        "C:",
        "C:a",
        "C:\\",
        "C:\\a\\b.c",
        "c:/a/b.c",
        "C:\\a/b\\c.d.e",
        "\\\\srv\\share\\dir\\f.x",
        "\\\\srv",
        "\\\\srv\\",
        "//srv/share/f",
        "\\\\",
        "\\a\\..\\b",
        "a\\.\\b",
        "C:\\x\\\x95\x5C",
        "C:\\\x95\x5C\\\x83\x5C.t\x95\x5C",
        "\x95\x5C.\x81\x5C",
        "a\\b\x81",
        "C:\\a\x81",
        "\x80\\\xA0.\xFD",
        "a..b",
        "a\\b.",
        "a\\b ",
        "C:\\dir.x\\name",
        "x:y:z",
        "\\\\?\\C:\\a",
    };
    cases.push_back("C:\\" + Repeated('d', 255) + "\\f.x");
    cases.push_back("C:\\" + Repeated('d', 256) + "\\f.x");
    cases.push_back("C:\\d\\" + Repeated('f', 255) + ".x");
    cases.push_back("C:\\d\\" + Repeated('f', 256) + ".x");
    cases.push_back("C:\\d\\f." + Repeated('e', 256));
    cases.push_back(Repeated('a', 259) + "\x95\x5C");
    cases.push_back("\\\\" + Repeated('s', 254) + "\\share\\f");
    return cases;
}

void ProbeSplit(const std::string& key, const std::string& path, ProbeOutput& output) {
    // Fields far larger than _MAX_*: an over-long part must show, not overrun.
    char drive[1024], directory[1024], name[1024], extension[1024];
    std::memset(drive, '#', sizeof drive);
    _splitpath(PaddedText(path).c_str(), drive, directory, name, extension);
    output.Line(
        "paths", "splitpath." + key,
        Quoted(drive) + " " + Quoted(directory) + " " + Quoted(name) + " " + Quoted(extension));
}

void ProbeSplitPath(const std::string& key, const std::string& path, ProbeOutput& output) {
    const PaddedText padded(path);
    const ISplitPath split(padded.c_str());
    output.Line("paths", "ISplitPath." + key,
                Quoted(split.sourcePath) + " " + Quoted(split.drive) + " " + Quoted(split.server) +
                    " " + Quoted(split.directory) + " " + Quoted(split.fileName) + " " +
                    Quoted(split.extension) + " " + Quoted(split.driveAndDirectory) + " " +
                    Quoted(split.nameAndExtension));
}

void ProbeFullPath(const ProbeContext& context, const std::string& key, const std::string& path,
                   ProbeOutput& output) {
    char buffer[MAX_PATH];
    const PaddedText padded(path);
    const char* full = _fullpath(buffer, padded.c_str(), sizeof buffer);
    output.Line("paths", "fullpath." + key, context.QuotedPath(full));
    char* allocated = _fullpath(nullptr, padded.c_str(), 0);
    output.Line("paths", "fullpath.allocated." + key, context.QuotedPath(allocated));
    std::free(allocated);
}

void ProbeStringHelpers(const std::string& key, const std::string& text, ProbeOutput& output) {
    output.Line("paths", "ReverseFindChar.5C." + key, std::to_string(ReverseFindChar(text, '\\')));
    output.Line("paths", "ReverseFindChar.2E." + key, std::to_string(ReverseFindChar(text, '.')));
    std::string slashes = text;
    ReplaceAll(slashes, "\\", "/");
    output.Line("paths", "ReplaceAll.5C." + key, Printable(slashes));
    std::string pairs = text;
    ReplaceAll(pairs, "\x95\x5C", "\\\\");
    output.Line("paths", "ReplaceAll.955C." + key, Printable(pairs));
}

void ProbeAll(const ProbeContext& context, const std::string& key, const std::string& path,
              ProbeOutput& output) {
    // The input itself, so that a difference under this key can be reproduced.
    output.Line("paths", "input." + key, Printable(path));
    ProbeSplit(key, path, output);
    ProbeSplitPath(key, path, output);
    ProbeFullPath(context, key, path, output);
    ProbeStringHelpers(key, path, output);
}

}  // namespace

void ProbePaths(const ProbeContext& context, ProbeOutput& output) {
    int index = 0;
    for (const std::string& path : EdgeCases()) {
        ProbeAll(context, "edge." + std::to_string(index++), path, output);
    }
    const std::vector<std::string> corpus = RandomPaths(context.seed * 7 + 2, 2000, 80);
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        ProbeAll(context, "random." + std::to_string(i), corpus[i], output);
    }
}
