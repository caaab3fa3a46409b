// The process's start: its command line as Windows holds it, and the GUI entry point that
// the platform_entry library's main() calls.
#pragma once

#include <string>
#include <vector>

#include "platform/host/types.h"

// The process's arguments, quoted as a Windows command line and converted to the ANSI code
// page. The same pointer for the whole life of the process.
LPSTR GetCommandLineA();

// Defined by the program.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLineTail,
                   int showCommand);

// Host-only: one argument as the run-time's argument parser reads it back. An argument that
// is empty or holds white space is quoted; a quote is escaped, and the backslashes before a
// quote (or before the closing quote) are doubled.
std::string HostQuoteCommandLineArgument(const std::string& argument);
// Host-only: the quoted arguments joined by one space.
std::string HostJoinCommandLine(const std::vector<std::string>& arguments);
// Host-only: what the run-time hands WinMain, the command line after the program name and
// the blanks that follow it; the program name ends at its closing quote when it starts with
// one, else at the first blank.
LPSTR HostCommandLineTail(LPSTR commandLine);
