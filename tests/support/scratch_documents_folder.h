// A documents folder of the test's own, made below a scratch folder that goes with it and
// pointed to as the user's documents folder for the scope (see ScopedDocumentsFolder).
#pragma once

#include <filesystem>
#include <string>

#include "scoped_documents_folder.h"
#include "temp_dir.h"

class ScratchDocumentsFolder {
  public:
    // user (UTF-8): a folder between the scratch folder and Documents, as a user's profile
    // folder stands there; none by default.
    explicit ScratchDocumentsFolder(const std::string& user = "")
        : root_(scratch_.Path()),
          documents_(Made(root_ / std::filesystem::u8path(user) / "Documents")),
          pointed_(documents_, root_) {}

    // The scratch folder: the documents folder and everything the test makes are below it.
    const std::filesystem::path& Root() const { return root_; }
    const std::filesystem::path& Documents() const { return documents_; }

  private:
    // A user's documents folder exists; Wine falls back to its own when the setting names none.
    static std::filesystem::path Made(const std::filesystem::path& folder) {
        std::filesystem::create_directories(folder);
        return folder;
    }

    TempDir scratch_;
    std::filesystem::path root_;
    std::filesystem::path documents_;
    ScopedDocumentsFolder pointed_;
};
