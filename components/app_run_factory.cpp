#include "components/app_run_factory.h"

#include "components/app_run.h"
#include "components/module_lifetime.h"

AppRunFactory::AppRunFactory() {
    AddModuleReference();
}

AppRunFactory::~AppRunFactory() {
    ReleaseModuleReference();
}

HRESULT AppRunFactory::Create(REFIID iid, void** object) {
    AppRunFactory* created = new AppRunFactory;
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

HRESULT AppRunFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG AppRunFactory::AddRef() {
    return ++references_;
}

ULONG AppRunFactory::Release() {
    const ULONG remaining = --references_;
    if (remaining == 0) {
        delete this;
    }
    return remaining;
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
