// The conformance probe: runs the Win32 and C run-time calls the system makes, and the fsutil
// classes, over a generated tree and an input corpus, and prints what it saw. The same source
// is built for Windows and for the host; scripts/conformance compares the two outputs.
//
//   conformance_probe TREE [SECTION...]
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/conformance/probe_sections.h"

namespace {

constexpr ProbeSectionEntry kSections[] = {
    {"codec", &ProbeCodec},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: conformance_probe TREE [SECTION...]\n");
        return 2;
    }
    ProbeContext context;
    context.tree = argv[1];
    context.scratch = context.tree + "\\scratch";
    ProbeOutput output(stdout);
    for (const ProbeSectionEntry& section : kSections) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) {
            wanted = wanted || std::strcmp(argv[i], section.name) == 0;
        }
        if (wanted) {
            section.run(context, output);
        }
    }
    std::fflush(stdout);
    std::fprintf(stderr, "conformance_probe: %zu lines\n", output.LineCount());
    return 0;
}
