#include "native_path_text.h"

#include "platform/win32.h"

// From the path's UTF-16, which std::filesystem keeps exact; its own narrow text is UTF-8.
std::string NativePathText(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes,
                        nullptr, nullptr);
    return text;
}
