// Creating and running the application object.
#pragma once

#include <optional>

#include "launcher/app_run_interface.h"
#include "platform/unique_handles.h"

// Creates the AppRun object, runs it with the command line (zero-terminated, ANSI code
// page) and the show command, and returns Run's result. When the object cannot be made
// or the command line cannot be handed over, shows the fatal error message and returns -1.
int LaunchAppRun(const char* commandLine, int showCommand);

// Runs an object the caller has created and releases it before returning. The command
// string is freed as soon as Run returns, before the release. Nothing when no command
// string could be made; Run is then not called.
std::optional<int> RunAppRun(UniqueInterface<IAppRun> appRun, const char* commandLine,
                             int showCommand);
