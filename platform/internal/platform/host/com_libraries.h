// The component libraries that COM has loaded for the process. Each is loaded once and kept
// until the last thread leaves COM, as Windows keeps in-process servers.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "platform/unique_handles.h"
#include "platform/win32.h"

namespace host {

class ComLibraries {
  public:
    static ComLibraries& Get();

    // The library at ansiPath, loaded on first use; null when it does not load.
    HMODULE Load(const std::string& ansiPath);
    void UnloadAll();

  private:
    std::mutex mutex_;
    std::map<std::string, UniqueLibrary> loaded_;
};

// Whether the calling thread is in an apartment (CoInitialize has succeeded on it).
bool IsComInitializedOnThisThread();

}  // namespace host
