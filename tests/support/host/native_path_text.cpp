#include "native_path_text.h"

std::string NativePathText(const std::filesystem::path& path) {
    return path.string();
}
