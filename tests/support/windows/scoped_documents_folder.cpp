#include "scoped_documents_folder.h"

#include <stdexcept>

#include "platform/win32.h"

namespace {

constexpr wchar_t kUserShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr wchar_t kDocuments[] = L"Personal";

class ShellFoldersKey {
  public:
    ShellFoldersKey() {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kUserShellFolders, 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_,
                            nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("the user's shell-folder key cannot be opened");
        }
    }
    ~ShellFoldersKey() { RegCloseKey(key_); }
    ShellFoldersKey(const ShellFoldersKey&) = delete;
    ShellFoldersKey& operator=(const ShellFoldersKey&) = delete;

    std::optional<std::wstring> Read() const {
        wchar_t value[MAX_PATH * 2] = {};
        DWORD size = sizeof value - sizeof value[0];
        if (RegQueryValueExW(key_, kDocuments, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                             &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::wstring(value);
    }

    void Write(const std::wstring& folder) const {
        if (RegSetValueExW(
                key_, kDocuments, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
            throw std::runtime_error("the documents folder setting cannot be written");
        }
    }

    void Remove() const { RegDeleteValueW(key_, kDocuments); }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

ScopedDocumentsFolder::ScopedDocumentsFolder(const std::filesystem::path& folder,
                                             const std::filesystem::path& home) {
    const ShellFoldersKey key;
    savedSetting_ = key.Read();
    // UTF-16, so any name the test makes arrives whole.
    key.Write(folder.wstring());
    environment_.Set("HOME", home.string());
}

ScopedDocumentsFolder::~ScopedDocumentsFolder() {
    try {
        const ShellFoldersKey key;
        if (savedSetting_) {
            key.Write(*savedSetting_);
        } else {
            key.Remove();
        }
    } catch (const std::runtime_error&) {
        // The prefix keeps the test's folder; nothing more can be done from a destructor.
    }
}
