#include "logging/configuration_handoff.h"
#include "recorded_handoffs.h"

std::vector<std::string>& HandedOverConfigurations() {
    static std::vector<std::string> handedOver;
    return handedOver;
}

void ConfigureLoggingLibrary(const std::string& configurationFile) {
    HandedOverConfigurations().push_back(configurationFile);
}
