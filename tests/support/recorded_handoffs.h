// In the test programs that link recording_handoff in place of logging_handoff: the files
// handed to the logging library, oldest first. Nothing reaches log4cxx there.
#pragma once

#include <string>
#include <vector>

std::vector<std::string>& HandedOverConfigurations();
