#include "launcher/launch_app_run.h"

#include <utility>

#include "launcher/command_string.h"
#include "fatal_error.h"
#include "launcher/app_run_interface.h"
#include "launcher/string_ids.h"

namespace {

UniqueInterface<IAppRun> CreateAppRun() {
    UniqueInterface<IAppRun> appRun;
    const HRESULT result =
        CoCreateInstance(CLSID_AppRun, nullptr, CLSCTX_ALL, IID_IAppRun, PutVoid(appRun));
    if (FAILED(result)) {
        appRun.reset();
    }
    return appRun;
}

}  // namespace

std::optional<int> RunAppRun(UniqueInterface<IAppRun> appRun, const char* commandLine,
                             int showCommand) {
    std::optional<int> result;
    if (UniqueBstr commandString = MakeCommandString(commandLine)) {
        result = appRun->Run(commandString.get(), showCommand);
    }
    // The string was freed when its scope closed; only now does the object go.
    appRun.reset();
    return result;
}

int LaunchAppRun(const char* commandLine, int showCommand) {
    UniqueInterface<IAppRun> appRun = CreateAppRun();
    if (!appRun) {
        ShowFatalError(kAppRunNotCreatedStringId);
        return -1;
    }
    const std::optional<int> result = RunAppRun(std::move(appRun), commandLine, showCommand);
    if (!result) {
        ShowFatalError(kCommandLineNotConvertedStringId);
        return -1;
    }
    return *result;
}
