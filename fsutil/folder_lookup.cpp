#include "fsutil/folder_lookup.h"

namespace {

// Some shells report success for a folder they could not name.
bool GavePath(HRESULT status, const char* buffer) {
    return SUCCEEDED(status) && buffer[0] != '\0';
}

}  // namespace

bool LookUpFolderPath(FolderPathFunction lookUp, char* buffer, int folder, bool retryWithCreate) {
    if (GavePath(lookUp(nullptr, folder, nullptr, static_cast<DWORD>(SHGFP_TYPE_CURRENT), buffer),
                 buffer)) {
        return true;
    }
    if (!retryWithCreate) {
        return false;
    }
    return GavePath(lookUp(nullptr, folder | CSIDL_FLAG_CREATE, nullptr,
                           static_cast<DWORD>(SHGFP_TYPE_DEFAULT), buffer),
                    buffer);
}
