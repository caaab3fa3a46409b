// The demo application object: records what it was handed and ends at once with the exit
// code its command line asks for. It shows no window.
#pragma once

#include <cstdint>

#include "com_object.h"
#include "launcher/app_run_interface.h"

class AppRun final : public ComObject<IAppRun> {
  public:
    // Creates an object and hands out its iid interface; *object is null on failure.
    static HRESULT Create(REFIID iid, void** object);

    std::int32_t STDMETHODCALLTYPE Run(BSTR commandString, std::int32_t showCommand) override;

  private:
    friend class ComObject<IAppRun>;
    AppRun();
    ~AppRun() override = default;
};
