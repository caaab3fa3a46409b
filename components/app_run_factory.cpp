#include "app_run_factory.h"

#include "app_run.h"
#include "components/module_lifetime.h"

AppRunFactory::AppRunFactory() : ComObject(IID_IClassFactory) {}

HRESULT AppRunFactory::Create(REFIID iid, void** object) {
    return CreateAndQuery<AppRunFactory>(iid, object);
}

HRESULT AppRunFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    return AppRun::Create(iid, object);
}

HRESULT AppRunFactory::LockServer(BOOL lock) {
    if (lock) {
        AddModuleReference();
    } else {
        ReleaseModuleReference();
    }
    return S_OK;
}
