// The modules whose resources string lookups search, in order. The launcher's list holds
// the executable alone.
#pragma once

#include <cstddef>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/win32.h"

class ResourceModules {
  public:
    explicit ResourceModules(std::vector<HMODULE> modules);

    // The module at index, or nothing past the end. Each read takes the lock on its own,
    // so a search sees one module per read.
    std::optional<HMODULE> At(std::size_t index) const;

  private:
    mutable std::mutex lock_;
    std::vector<HMODULE> modules_;
};

// The process's list: the executable.
const ResourceModules& ProcessResourceModules();
