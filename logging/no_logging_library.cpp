#include "logging/configuration_handoff.h"

// This build links no logging library: there is nothing to configure.
void ConfigureLoggingLibrary(const std::string&) {}
