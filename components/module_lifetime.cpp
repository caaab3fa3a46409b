#include "components/module_lifetime.h"

#include <atomic>

namespace {

std::atomic<long> references{0};

}  // namespace

void AddModuleReference() {
    ++references;
}

void ReleaseModuleReference() {
    --references;
}

bool ModuleInUse() {
    return references.load() != 0;
}
