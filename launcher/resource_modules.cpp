#include "launcher/resource_modules.h"

#include <utility>

ResourceModules::ResourceModules(std::vector<HMODULE> modules) : modules_(std::move(modules)) {}

std::optional<HMODULE> ResourceModules::At(std::size_t index) const {
    const std::lock_guard<std::mutex> guard(lock_);
    if (index >= modules_.size()) {
        return std::nullopt;
    }
    return modules_[index];
}

const ResourceModules& ProcessResourceModules() {
    static const ResourceModules modules({GetModuleHandleW(nullptr)});
    return modules;
}
