#include "components/class_object.h"

#include "app_run_factory.h"
#include "launcher/app_run_interface.h"

HRESULT GetAppRunClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualGUID(clsid, CLSID_AppRun)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return AppRunFactory::Create(iid, object);
}
