#include "tests/launcher/scoped_environment.h"

#include <cstdlib>

ScopedEnvironment::ScopedEnvironment(const std::string& name, const std::string& value)
    : name_(name) {
    if (const char* previous = std::getenv(name.c_str())) {
        previous_ = previous;
    }
    SetEnvironmentValue(name, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    if (previous_) {
        SetEnvironmentValue(name_, *previous_);
    } else {
        RemoveEnvironmentValue(name_);
    }
}
