// The one hand-off of the chosen configuration file to the logging library. Tests swap
// the target to see which file was handed over and how often.
#pragma once

#include <string>

using ConfigurationHandOff = void (*)(const std::string& configurationFile);

// Hands the file (a narrow path in the ANSI code page) to the current target.
void HandOffConfiguration(const std::string& configurationFile);

// Replaces the target and returns the previous one; null restores the logging library.
ConfigurationHandOff SetConfigurationHandOff(ConfigurationHandOff handOff);

// The production target: configures the logging library from the file, or does nothing in
// a build that has no logging library to link.
void ConfigureLoggingLibrary(const std::string& configurationFile);
