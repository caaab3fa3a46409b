#include "scoped_documents_folder.h"

ScopedDocumentsFolder::ScopedDocumentsFolder(const std::filesystem::path& folder,
                                             const std::filesystem::path& home) {
    environment_.Set("XDG_DOCUMENTS_DIR", folder.string());
    environment_.Set("HOME", home.string());
}

ScopedDocumentsFolder::~ScopedDocumentsFolder() = default;
