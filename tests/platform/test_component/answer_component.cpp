// A component library for the layer's COM tests: one class, CLSID_TestAnswer (and the same
// behind CLSID_TestAnswerLowerCase), whose objects answer 42 through ITestAnswer.
#include <atomic>
#include <new>

#include "test_component_ids.h"

namespace {

std::atomic<int> g_liveObjects{0};

class AnswerObject final : public ITestAnswer {
  public:
    AnswerObject() { ++g_liveObjects; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_ITestAnswer) {
            *object = static_cast<ITestAnswer*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    int STDMETHODCALLTYPE Answer() override { return 42; }

  private:
    ~AnswerObject() { --g_liveObjects; }

    std::atomic<ULONG> references_{1};
};

// Static: its lifetime is the library's.
class AnswerFactory final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        if (outer != nullptr) {
            return CLASS_E_NOAGGREGATION;
        }
        AnswerObject* answer = new (std::nothrow) AnswerObject();
        if (answer == nullptr) {
            return E_OUTOFMEMORY;
        }
        const HRESULT result = answer->QueryInterface(iid, object);
        answer->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

AnswerFactory g_factory;

}  // namespace

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (clsid != CLSID_TestAnswer && clsid != CLSID_TestAnswerLowerCase) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return g_factory.QueryInterface(iid, object);
}

extern "C" int TestComponentLiveObjects() {
    return g_liveObjects.load();
}
