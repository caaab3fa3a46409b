// File search, directory creation and the last-error slot over the generated tree, through
// Win32 and through fsutil's finder and directory helpers.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "fsutil/directory_tree.h"
#include "fsutil/file_find.h"
#include "probe_find_entry.h"
#include "probe_sections.h"

namespace {

// Patterns below the tree, each tried relative and through the tree's absolute path. "*." and
// "*?" are left out: Wine departs from Windows there, so it cannot judge the host.
const char* const kPatterns[] = {
    "data\\*",
    "data\\*.*",
    "data\\*.txt",
    "data\\*.TXT",
    "data\\?????.txt",
    "data\\a*",
    "data\\A*",
    "data\\noext.",
    "data\\alpha.txt.",
    "data\\alpha.txt ",
    "data\\alpha.txt. .",
    "data\\ALPHA.TXT",
    "data\\alpha.tx?",
    "data\\*a*",
    // Full-width ABC, full-width abc, omega upper and lower, Zhuk upper and lower.
    "data\\\x82`\x82"
    "a\x82"
    "b.txt",
    "data\\\x82\x81\x82\x82\x82\x83.txt",
    "data\\\x83\xB6*",
    "data\\\x83\xD6*",
    "data\\\x84G\x84\x85\x84{.txt",
    "data\\\x84w\x84\x85\x84{.txt",
    // Trail byte 0x5C, and the single bytes 0x80, 0xA0, 0xFD.
    "data\\\x95\x5C.txt",
    "data\\\x95\x5C*",
    "data\\\x83\x5C*",
    "data\\\x80.bin",
    "data\\\xA0x",
    "data\\\xFDy",
    "data\\\x80*",
    "data\\*\xFD*",
    "data\\sub",
    "data\\sub\\",
    "data\\sub\\.",
    "data\\sub\\..",
    "data\\sub\\*",
    "data\\sub\\.*",
    "data\\.",
    "data\\..",
    "data\\empty\\*",
    "data\\empty",
    "data/sub/*",
    "data\\sub\\deeper\\..\\inner.txt",
    "data\\missing\\*",
    "data\\missing",
    "data\\alpha.txt\\*",
    "data\\alpha.txt\\x",
    "data\\*\\inner.txt",
    "data\\s?b\\*",
    "missing\\missing\\*",
    "data\\a<b",
    "data\\a|b",
    "data\\a\"b",
    "data\\a:b",
    "data\\.dotfile",
    "case\\*",
    "case\\same.txt",
    "case\\SAME.txt",
    "case\\Same.txt",
    "",
};

// Patterns that list the tree itself or its parent, whose times move as the run goes: names only.
const char* const kRootPatterns[] = {".", "..", "*", "data\\..\\.."};

// Entries are sorted by name: the order of a listing is not part of the contract.
void ProbeSearch(const std::string& key, const std::string& pattern, ProbeOutput& output,
                 bool namesOnly) {
    WIN32_FIND_DATAA data;
    SetLastError(0);
    HANDLE handle = FindFirstFileA(pattern.c_str(), &data);
    if (handle == INVALID_HANDLE_VALUE) {
        output.Line("files", "find." + key, ResultWithError(false, GetLastError()));
        return;
    }
    std::vector<std::string> entries;
    BOOL more = TRUE;
    while (more) {
        entries.push_back(Printable(data.cFileName) +
                          (namesOnly ? std::string() : " " + FindDataText(data)));
        more = FindNextFileA(handle, &data);
    }
    const DWORD endError = GetLastError();
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries) {
        output.Line("files", "find." + key + "." + entry.substr(0, entry.find(' ')), entry);
    }
    output.Line("files", "find." + key,
                std::to_string(entries.size()) + " entries, end err=" + std::to_string(endError));
    output.Line("files", "find.close." + key, ResultWithError(FindClose(handle), GetLastError()));
}

void ProbeSearches(const ProbeContext& context, ProbeOutput& output) {
    for (const char* pattern : kPatterns) {
        ProbeSearch("rel." + Printable(pattern), pattern, output, false);
        ProbeSearch("abs." + Printable(pattern), context.tree + "\\" + pattern, output, false);
    }
    for (const char* pattern : kRootPatterns) {
        ProbeSearch("rel." + Printable(pattern), pattern, output, true);
        ProbeSearch("abs." + Printable(pattern), context.tree + "\\" + pattern, output, true);
    }
    ProbeSearch("long", context.tree + "\\" + std::string(260, 'a'), output, false);
    ProbeSearch("long.wildcard", "data\\" + std::string(300, '*'), output, false);
    // The tree's own top: scratch changes as the probe runs, so names only.
    ProbeSearch("tree", context.tree + "\\*", output, true);
}

// withTimes false leaves out the times, for entries outside the generated tree.
std::string FinderEntry(const ProbeContext& context, const IFileFind& finder, bool withTimes) {
    __time64_t time = 0;
    FILETIME fileTime = {};
    std::string text = Quoted(finder.GetEntryName().c_str());
    text += " path=" + context.QuotedPath(finder.GetEntryPath().c_str());
    text += " title=" + Quoted(finder.GetEntryTitle().c_str());
    text += " url=" + context.QuotedPath(finder.GetEntryUrl().c_str());
    text += " root=" + context.QuotedPath(finder.GetSearchRoot().c_str());
    const bool modified = finder.GetModifiedTime(time);
    const bool modifiedFile = finder.GetModifiedFileTime(&fileTime);
    const bool directory = finder.TestAttributes(FILE_ATTRIBUTE_DIRECTORY);
    const std::string modifiedTime = std::to_string(time);
    time = 0;
    const bool accessed = finder.GetAccessedTime(time);
    const std::string accessedTime = directory ? "-" : std::to_string(time);
    const bool created = finder.GetCreatedTime(time);
    text += " mtime=" + std::to_string(modified) + ":" + (withTimes ? modifiedTime : "-");
    text += " mfiletime=" + std::to_string(modifiedFile) + ":" +
            (withTimes ? FileTimeText(fileTime) : "-");
    text += " atime=" + std::to_string(accessed) + ":" + (withTimes ? accessedTime : "-");
    text += " ctime=" + std::to_string(created);
    text += " null=" + std::to_string(finder.GetModifiedFileTime(nullptr));
    text += " attr=";
    for (const DWORD bit : {0x1u, 0x2u, 0x10u, 0x20u, 0x80u}) {
        text += finder.TestAttributes(bit) ? '1' : '0';
    }
    text += " dot=" + std::to_string(finder.IsDotEntry());
    return text;
}

void ProbeFinder(const ProbeContext& context, const std::string& key, const char* pattern,
                 bool withTimes, ProbeOutput& output) {
    IFileFind finder;
    SetLastError(0);
    const bool began = finder.BeginSearch(pattern);
    output.Line("files", "IFileFind." + key,
                ResultWithError(began, GetLastError()) +
                    " before=" + FinderEntry(context, finder, withTimes));
    if (!began) {
        return;
    }
    std::vector<std::string> entries;
    bool more = true;
    while (more) {
        more = finder.AdvanceEntry();
        entries.push_back(FinderEntry(context, finder, withTimes));
    }
    std::sort(entries.begin(), entries.end());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        output.Line("files", "IFileFind." + key + "." + std::to_string(i), entries[i]);
    }
    const bool again = finder.AdvanceEntry();
    output.Line("files", "IFileFind." + key + ".again", std::to_string(again));
}

void ProbeFinders(const ProbeContext& context, ProbeOutput& output) {
    const std::string top = context.tree.substr(0, context.tree.find('\\', 3));
    const std::string patterns[] = {
        "data\\*",
        "data\\sub",
        "data\\sub\\.",
        "data\\sub\\..",
        "data\\sub\\*.*",
        "data\\\x95\x5C.txt",
        "data\\missing\\*",
        context.tree + "\\data\\sub\\*",
        context.tree + "/data/empty/*",
        std::string(300, 'a'),
    };
    for (const std::string& pattern : patterns) {
        ProbeFinder(context, context.PrintablePath(pattern), pattern.c_str(), true, output);
    }
    // An entry right below the root: its times are the machine's.
    ProbeFinder(context, "top", top.c_str(), false, output);
    // A null pattern searches the current directory, the tree; its scratch folder changes.
    IFileFind finder;
    std::vector<std::string> names;
    if (finder.BeginSearch(nullptr)) {
        bool more = true;
        while (more) {
            more = finder.AdvanceEntry();
            names.push_back(Printable(finder.GetEntryName()) + "=" +
                            context.PrintablePath(finder.GetEntryPath()));
        }
    }
    std::sort(names.begin(), names.end());
    std::string line;
    for (const std::string& name : names) {
        line += name + " ";
    }
    output.Line("files", "IFileFind.null", line);
}

void MakeAndShow(const std::string& path, const char* name, ProbeOutput& output) {
    SetLastError(0);
    const BOOL made = CreateDirectoryA(path.c_str(), nullptr);
    output.Line("files", "CreateDirectoryA." + Printable(name),
                ResultWithError(made, GetLastError()));
}

void ProbeCreateDirectory(const ProbeContext& context, ProbeOutput& output) {
    const std::string base = context.scratch + "\\create";
    const char* const kNames[] = {
        "",
        "new",
        "new",
        "missing\\child",
        "a<b",
        "a|b",
        "a*b",
        "a?b",
        "a\"b",
        "a:b",
        "a>b",
        "dot.",
        "dots...",
        "space ",
        "mixed. .",
        "\x95\x5C",
        "\x80\xA0\xFD",
        "\x82`",
        "new\\",
        "new\\.\\inner",
        "new\\..\\sibling",
        "..\\create\\up",
        "\x83\xB6",
    };
    for (const char* name : kNames) {
        MakeAndShow(name[0] == '\0' ? base : base + "\\" + name, name, output);
    }
    ProbeSearch("created", base + "\\*", output, true);
    // Names that differ only in case from ones made above: Linux keeps both. After the
    // listing, so that the listing shows the rest whatever these do.
    MakeAndShow(base + "\\NEW", "NEW", output);
    MakeAndShow(base + "\\\x83\xD6", "\x83\xD6", output);
}

void ProbeDirectoryHelpers(const ProbeContext& context, ProbeOutput& output) {
    const std::string base = context.scratch + "\\helpers";
    const std::string trees[] = {
        base + "\\a\\b\\c",
        base + "\\a\\b\\c",
        base + "\\a\\b",
        base + "\\x\\y\\",
        base + "/s/t/u",
        base + "\\\x95\x5C\\\x83\x5C",
        context.tree + "\\data\\alpha.txt\\x",
        base + "\\bad<\\x",
        "",
    };
    for (const std::string& path : trees) {
        SetLastError(0);
        const bool made = CreateDirectoryTree(path);
        output.Line("files", "CreateDirectoryTree." + context.PrintablePath(path),
                    ResultWithError(made, GetLastError()));
    }
    const std::string made[] = {base + "\\m", base + "\\m", base + "\\none\\m", base + "\\m."};
    for (const std::string& path : made) {
        SetLastError(0);
        const bool ok = MakeDirectory(path);
        output.Line("files", "MakeDirectory." + context.PrintablePath(path),
                    ResultWithError(ok, GetLastError()));
    }
    const std::string exists[] = {
        "data\\alpha.txt",
        "data\\ALPHA.TXT",
        "data\\*.txt",
        "data\\missing",
        "data\\sub\\",
        "data\\sub",
        "data\\z*",
        "data\\alpha.txt\\x",
        "data\\\x95\x5C.txt",
        base + "\\a\\b",
        "",
        "case\\Same.txt",
    };
    for (const std::string& path : exists) {
        SetLastError(0);
        const bool found = PathExists(path);
        output.Line("files", "PathExists." + context.PrintablePath(path),
                    std::to_string(found) + " err=" + std::to_string(GetLastError()));
    }
}

// A share root: \\srv\share where the run provides it (LAUNCHER_SCRATCH_SHARE; wine-run's
// share, or the host's share folder that scripts/conformance makes), empty below.
void ProbeShare(ProbeOutput& output) {
    const char* share = std::getenv("LAUNCHER_SCRATCH_SHARE");
    if (share == nullptr) {
        output.Line("files", "share", "none");
        return;
    }
    const std::string root = share;
    ProbeSearch("share.root", root, output, true);
    ProbeSearch("share.slash", root + "\\", output, true);
    SetLastError(0);
    const bool found = PathExists(root);
    output.Line("files", "PathExists.share.root",
                std::to_string(found) + " err=" + std::to_string(GetLastError()));
    MakeAndShow(root, "share.root", output);
    const std::string below[] = {"\\tree\\a\\b", "\\tree\\a\\b", "\\two"};
    for (const std::string& path : below) {
        SetLastError(0);
        const bool made = CreateDirectoryTree(root + path);
        output.Line("files", "CreateDirectoryTree.share" + Printable(path),
                    ResultWithError(made, GetLastError()));
    }
    ProbeSearch("share.tree", root + "\\tree\\*", output, true);
    ProbeSearch("share.t", root + "\\t*", output, true);
}

void ProbeLastError(ProbeOutput& output) {
    for (const DWORD code : {0u, 2u, 12345u, 0x20000000u, 0xFFFFFFFFu}) {
        SetLastError(code);
        output.Line("files", "LastError." + std::to_string(code), std::to_string(GetLastError()));
    }
}

}  // namespace

void ProbeFiles(const ProbeContext& context, ProbeOutput& output) {
    ProbeLastError(output);
    ProbeSearches(context, output);
    ProbeFinders(context, output);
    ProbeCreateDirectory(context, output);
    ProbeDirectoryHelpers(context, output);
    ProbeShare(output);
}

// Last of all, as a handle used after its close may take the process down.
void ProbeClosedHandle(const ProbeContext&, ProbeOutput& output) {
    WIN32_FIND_DATAA data;
    HANDLE handle = FindFirstFileA("data\\*", &data);
    FindClose(handle);
    SetLastError(0);
    const BOOL more = FindNextFileA(handle, &data);
    output.Line("closed", "FindNextFileA", ResultWithError(more, GetLastError()));

    // The finder closes its handle again when it goes.
    IFileFind finder;
    const bool began = finder.BeginSearch("data\\*");
    const bool closed = finder.CloseSearchHandle();
    SetLastError(0);
    const bool advanced = finder.AdvanceEntry();
    output.Line("closed", "IFileFind",
                std::to_string(began) + " close=" + std::to_string(closed) +
                    " advance=" + ResultWithError(advanced, GetLastError()));
}
