#include "tests/conformance/probe_sections.h"

// Placeholder section, replaced by the code page 932 codec table.
void ProbeCodec(const ProbeContext&, ProbeOutput& output) {
    output.Line("codec", "acp", std::to_string(GetACP()));
}
