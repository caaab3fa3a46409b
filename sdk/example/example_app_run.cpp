// A minimal AppRun component: the class object COM asks for through DllGetClassObject, the
// AppRun object it makes, and Run, which writes one record through the process's log4cxx
// (configured by the launcher before it creates the object) and ends with exit code 0.
#include <atomic>
#include <new>

#include <log4cxx/logger.h>

#include "launcher/app_run_interface.h"

namespace {

// Live objects and server locks: while any remain, the library stays loaded.
std::atomic<long> moduleReferences{0};

// IUnknown for an object with one interface besides it.
template <typename Interface>
class ComObject : public Interface {
  public:
    explicit ComObject(const IID& interfaceId) : interfaceId_(interfaceId) { ++moduleReferences; }
    virtual ~ComObject() { --moduleReferences; }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, interfaceId_)) {
            *object = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG remaining = --references_;
        if (remaining == 0) {
            delete this;
        }
        return remaining;
    }

  private:
    std::atomic<ULONG> references_{1};
    const IID& interfaceId_;
};

// Hands out the iid interface of a new object; the creation reference goes again, so a
// refused interface leaves nothing behind.
template <typename Object>
HRESULT CreateAndQuery(REFIID iid, void** object) {
    Object* created = new (std::nothrow) Object;
    if (created == nullptr) {
        *object = nullptr;
        return E_OUTOFMEMORY;
    }
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

class ExampleAppRun final : public ComObject<IAppRun> {
  public:
    ExampleAppRun() : ComObject(IID_IAppRun) {}

    std::int32_t STDMETHODCALLTYPE Run(BSTR commandString, std::int32_t showCommand) override {
        // The command string is borrowed: read it here, copy what is kept.
        const UINT length = SysStringLen(commandString);
        const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("ExampleAppRun");
        LOG4CXX_INFO(logger, "Example component ran: show command "
                                 << showCommand << ", command line of " << length
                                 << " UTF-16 units");
        return 0;
    }
};

class ExampleAppRunFactory final : public ComObject<IClassFactory> {
  public:
    ExampleAppRunFactory() : ComObject(IID_IClassFactory) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        return CreateAndQuery<ExampleAppRun>(iid, object);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        moduleReferences += lock ? 1 : -1;
        return S_OK;
    }
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE
    DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!IsEqualGUID(clsid, CLSID_AppRun)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return CreateAndQuery<ExampleAppRunFactory>(iid, object);
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return moduleReferences.load() == 0 ? S_OK : S_FALSE;
}
