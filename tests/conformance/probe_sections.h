// The sections of the conformance probe. Each runs the calls of one family over its inputs
// and prints what it observed; none decides what is right, the comparison of the host's
// output with the Windows build's does.
#pragma once

#include <string>

#include "probe_output.h"

struct ProbeContext {
    // The generated tree, as a Windows path without a trailing separator ("Z:\...\tree").
    // The current directory is the tree when the probe runs.
    std::string tree;
    // A folder of the tree that sections may create things in, each below a name of its own.
    std::string scratch;
    // The probe's own folder as a Windows path, from CONFORMANCE_PROBE_BIN; empty when unset.
    std::string binDirectory;
    // Seed for the random inputs; both runs get the same.
    unsigned seed = 1;

    // text with the tree and the probe's folder replaced by <tree> and <bin>, so that outputs
    // made in different places compare.
    std::string Normalised(std::string text) const;
    // Normalised, then as Printable; QuotedPath takes null as Quoted does.
    std::string PrintablePath(const std::string& text) const;
    std::string QuotedPath(const char* text) const;
};

using ProbeSection = void (*)(const ProbeContext& context, ProbeOutput& output);

struct ProbeSectionEntry {
    const char* name;
    ProbeSection run;
};

// Defined one per file, probe_<name>.cpp.
void ProbeCodec(const ProbeContext& context, ProbeOutput& output);
void ProbeMbstring(const ProbeContext& context, ProbeOutput& output);
void ProbePaths(const ProbeContext& context, ProbeOutput& output);
void ProbeFiles(const ProbeContext& context, ProbeOutput& output);
void ProbeFileTimes(const ProbeContext& context, ProbeOutput& output);
void ProbeTime(const ProbeContext& context, ProbeOutput& output);
void ProbeLibrary(const ProbeContext& context, ProbeOutput& output);
void ProbeProcess(const ProbeContext& context, ProbeOutput& output);
void ProbeResources(const ProbeContext& context, ProbeOutput& output);
void ProbeClosedHandle(const ProbeContext& context, ProbeOutput& output);
