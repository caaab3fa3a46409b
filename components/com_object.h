// The IUnknown half of the component's COM objects: one reference count, QueryInterface for
// IUnknown and the object's one interface, and the library's count of live objects, which
// DllCanUnloadNow reads.
#pragma once

#include <atomic>
#include <new>

#include "components/module_lifetime.h"
#include "platform/win32.h"

template <typename Interface>
class ComObject : public Interface {
  public:
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

  protected:
    explicit ComObject(REFIID interfaceId) : interfaceId_(interfaceId) { AddModuleReference(); }
    virtual ~ComObject() { ReleaseModuleReference(); }

    // Makes an object and hands out its iid interface; *object is null on failure. The
    // object starts with one reference, ours; the caller's comes from QueryInterface and ours
    // goes again, so a refused interface leaves nothing behind.
    template <typename Derived>
    static HRESULT CreateAndQuery(REFIID iid, void** object) {
        Derived* created = new (std::nothrow) Derived;
        if (created == nullptr) {
            if (object != nullptr) {
                *object = nullptr;
            }
            return E_OUTOFMEMORY;
        }
        const HRESULT result = created->QueryInterface(iid, object);
        created->Release();
        return result;
    }

  private:
    std::atomic<ULONG> references_{1};
    const IID& interfaceId_;
};
