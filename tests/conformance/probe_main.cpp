// The conformance probe: runs the Win32 and C run-time calls the system makes, and the fsutil
// classes, over a generated tree and an input corpus, and prints what it saw. The same source
// is built for Windows and for the host; scripts/conformance compares the two outputs.
//
//   conformance_probe TREE [SECTION...]
//   conformance_probe --sections      (their names, one a line, in order)
// TREE is the current directory as a Windows path; CONFORMANCE_PROBE_BIN, when set, is the
// probe's own folder as one.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "probe_sections.h"

namespace {

constexpr ProbeSectionEntry kSections[] = {
    {"codec", &ProbeCodec},         {"mbstring", &ProbeMbstring},  {"paths", &ProbePaths},
    {"files", &ProbeFiles},         {"filetime", &ProbeFileTimes}, {"time", &ProbeTime},
    {"library", &ProbeLibrary},     {"process", &ProbeProcess},    {"resources", &ProbeResources},
    {"closed", &ProbeClosedHandle},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: conformance_probe TREE [SECTION...] | --sections\n");
        return 2;
    }
    if (std::strcmp(argv[1], "--sections") == 0) {
        for (const ProbeSectionEntry& section : kSections) {
            std::printf("%s\n", section.name);
        }
        return 0;
    }
    ProbeContext context;
    context.tree = argv[1];
    context.scratch = context.tree + "\\scratch";
    const char* bin = std::getenv("CONFORMANCE_PROBE_BIN");
    context.binDirectory = bin == nullptr ? "" : bin;
    ProbeOutput output(stdout);
    for (const ProbeSectionEntry& section : kSections) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) {
            wanted = wanted || std::strcmp(argv[i], section.name) == 0;
        }
        if (wanted) {
            section.run(context, output);
            // What a section saw is kept even if a later one takes the process down.
            std::fflush(stdout);
        }
    }
    std::fflush(stdout);
    std::fprintf(stderr, "conformance_probe: %zu lines\n", output.LineCount());
    return 0;
}
