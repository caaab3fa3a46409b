#include "launcher/startup.h"

#include "com_apartment.h"
#include "launcher/launch_app_run.h"
#include "logging/log_setup.h"
#include "platform/win32.h"

int RunStartup(int showCommand) {
    // Logging comes first so that it is configured even when COM then fails.
    InitLogging();
    const char* commandLine = GetCommandLineA();
    const ComApartment apartment;
    if (!apartment.IsEntered()) {
        return 1;
    }
    return LaunchAppRun(commandLine, showCommand);
}
