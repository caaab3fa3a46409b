#include "platform/host/com_libraries.h"

namespace host {

ComLibraries& ComLibraries::Get() {
    static ComLibraries libraries;
    return libraries;
}

HMODULE ComLibraries::Load(const std::string& ansiPath) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = loaded_.find(ansiPath);
    if (found != loaded_.end()) {
        return found->second.get();
    }
    UniqueLibrary library(LoadLibraryA(ansiPath.c_str()));
    if (!library) {
        return nullptr;
    }
    return loaded_.emplace(ansiPath, std::move(library)).first->second.get();
}

void ComLibraries::UnloadAll() {
    std::map<std::string, UniqueLibrary> unloading;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        unloading.swap(loaded_);
    }
    // Freed here, outside the lock: a library's own teardown may come back into COM.
}

}  // namespace host
