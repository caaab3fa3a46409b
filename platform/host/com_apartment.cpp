#include <mutex>

#include "platform/host/com_libraries.h"
#include "platform/win32.h"

namespace {

enum class ApartmentModel { kSingleThreaded, kMultiThreaded };

// The calling thread's apartment: how many initialisations it has yet to undo, and of
// which model.
struct ThreadApartment {
    int initialisations = 0;
    ApartmentModel model = ApartmentModel::kSingleThreaded;
};
thread_local ThreadApartment t_apartment;

// Threads of the process that are in an apartment.
std::mutex g_apartmentsMutex;
int g_apartments = 0;

}  // namespace

namespace host {

bool IsComInitializedOnThisThread() {
    return t_apartment.initialisations > 0;
}

}  // namespace host

HRESULT CoInitializeEx(LPVOID reserved, DWORD coInit) {
    if (reserved != nullptr) {
        return E_INVALIDARG;
    }
    const ApartmentModel model = (coInit & COINIT_APARTMENTTHREADED) != 0
                                     ? ApartmentModel::kSingleThreaded
                                     : ApartmentModel::kMultiThreaded;
    if (t_apartment.initialisations > 0) {
        if (t_apartment.model != model) {
            return RPC_E_CHANGED_MODE;
        }
        ++t_apartment.initialisations;
        return S_FALSE;
    }
    {
        const std::lock_guard<std::mutex> lock(g_apartmentsMutex);
        ++g_apartments;
    }
    t_apartment.model = model;
    t_apartment.initialisations = 1;
    return S_OK;
}

HRESULT CoInitialize(LPVOID reserved) {
    return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED);
}

void CoUninitialize() {
    if (t_apartment.initialisations == 0 || --t_apartment.initialisations > 0) {
        return;
    }
    bool lastApartment = false;
    {
        const std::lock_guard<std::mutex> lock(g_apartmentsMutex);
        lastApartment = --g_apartments == 0;
    }
    if (lastApartment) {
        host::ComLibraries::Get().UnloadAll();
    }
}
