// The class object through which COM creates AppRun objects.
#pragma once

#include "com_object.h"
#include "platform/win32.h"

class AppRunFactory final : public ComObject<IClassFactory> {
  public:
    // Creates a factory and hands out its iid interface; *object is null on failure.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    friend class ComObject<IClassFactory>;
    AppRunFactory();
    ~AppRunFactory() override = default;
};
