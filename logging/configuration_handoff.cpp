#include "logging/configuration_handoff.h"

namespace {

ConfigurationHandOff currentHandOff = &ConfigureLoggingLibrary;

}  // namespace

void HandOffConfiguration(const std::string& configurationFile) {
    currentHandOff(configurationFile);
}

ConfigurationHandOff SetConfigurationHandOff(ConfigurationHandOff handOff) {
    const ConfigurationHandOff previous = currentHandOff;
    currentHandOff = handOff != nullptr ? handOff : &ConfigureLoggingLibrary;
    return previous;
}
