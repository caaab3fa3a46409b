// The part of a launcher start on Windows that no launcher can avoid: log4cxx configured from
// the configuration file, COM initialised, the AppRun object created from the manifest (this
// program carries the launcher's resources), run and released, COM ended. The start-up
// benchmark under Wine measures the launcher against this program.
#include <string>

#include <log4cxx/file.h>
#include <log4cxx/propertyconfigurator.h>

#include "launcher/app_run_interface.h"
#include "platform/unique_handles.h"
#include "platform/win32.h"

// The command-line tail is the configuration file's path (ASCII).
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR configurationFile, int showCommand) {
    log4cxx::PropertyConfigurator::configure(log4cxx::File(std::string(configurationFile)));
    if (FAILED(CoInitialize(nullptr))) {
        return 1;
    }
    int result = -1;
    {
        UniqueInterface<IAppRun> appRun;
        if (SUCCEEDED(CoCreateInstance(CLSID_AppRun, nullptr, CLSCTX_ALL, IID_IAppRun,
                                       PutVoid(appRun)))) {
            const UniqueBstr command(SysAllocString(L"startup_floor"));
            result = appRun->Run(command.get(), showCommand);
        }
    }
    CoUninitialize();
    return result;
}
