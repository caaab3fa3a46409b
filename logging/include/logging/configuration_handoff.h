// The one hand-off of the chosen configuration file to log4cxx. It sits in a library of its
// own (logging_handoff): log4cxx configures a process once, so the programs that set logging
// up in-process under test link a recording stand-in in its place.
#pragma once

#include <string>

// Configures log4cxx from the file (a narrow path in the ANSI code page).
void ConfigureLoggingLibrary(const std::string& configurationFile);
