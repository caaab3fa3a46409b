// Starting a program of the build as its own process and waiting for its end. The child
// inherits the test's environment.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ChildResult {
    // As the parent sees it: the whole 32-bit code on Windows, its low 8 bits on the host.
    int exitStatus = 0;
    // What the child wrote to standard error (the host's message boxes land there); empty
    // where the platform gives a GUI program none.
    std::string errorOutput;
};

// Runs program (a UTF-8 path) with UTF-8 arguments. showCommand, where given, goes into
// the start-up information as the show-window value (Windows only).
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     std::optional<int> showCommand = std::nullopt);

// The exit status a parent sees for a child that ended with exitCode.
int ExitStatusOf(std::int32_t exitCode);

// The command line the child is started with, in UTF-8: each part quoted when it is empty
// or holds a blank, joined by single spaces. The test arguments hold no quotes.
std::string CommandLineOf(const std::string& program, const std::vector<std::string>& arguments);
