// Points the user's documents folder, as the launcher looks it up, at a folder of the test's
// for one scope; the earlier setting comes back when the scope ends. On Windows that is the
// user's shell-folder setting in the registry (what the system's own "move the folder" writes),
// on the host the XDG setting and HOME.
//
// Under Wine every program of the prefix reads the same registry: a test that uses this holds
// the documents-folder lock (launcher_add_test's WRITES_DOCUMENTS_FOLDER).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "scoped_environment.h"

class ScopedDocumentsFolder {
  public:
    // folder: where documents are to be; home: the user's home folder beside it.
    ScopedDocumentsFolder(const std::filesystem::path& folder, const std::filesystem::path& home);
    ~ScopedDocumentsFolder();
    ScopedDocumentsFolder(const ScopedDocumentsFolder&) = delete;
    ScopedDocumentsFolder& operator=(const ScopedDocumentsFolder&) = delete;

  private:
    ScopedEnvironment environment_;
    // The registry value as it was (Windows): none when it was absent.
    std::optional<std::wstring> savedSetting_;
};
