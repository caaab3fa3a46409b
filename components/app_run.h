// The demo application object: records what it was handed and ends at once with the exit
// code its command line asks for. It shows no window.
#pragma once

#include <atomic>
#include <cstdint>

#include "launcher/app_run_interface.h"

class AppRun final : public IAppRun {
  public:
    // Creates an object and hands out its iid interface; *object is null on failure.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    std::int32_t STDMETHODCALLTYPE Run(BSTR commandString, std::int32_t showCommand) override;

  private:
    AppRun();
    ~AppRun();
    AppRun(const AppRun&) = delete;
    AppRun& operator=(const AppRun&) = delete;

    std::atomic<ULONG> references_{1};
};
