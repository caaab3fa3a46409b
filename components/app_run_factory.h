// The class object through which COM creates AppRun objects.
#pragma once

#include <atomic>

#include "platform/win32.h"

class AppRunFactory final : public IClassFactory {
  public:
    // Creates a factory and hands out its iid interface; *object is null on failure.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    AppRunFactory();
    ~AppRunFactory();
    AppRunFactory(const AppRunFactory&) = delete;
    AppRunFactory& operator=(const AppRunFactory&) = delete;

    std::atomic<ULONG> references_{1};
};
