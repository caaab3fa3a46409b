// The launcher's whole run, from logging set-up to the exit code.
#pragma once

// Sets up logging, enters a single-threaded COM apartment and runs the application
// object with the process's command line. Returns the exit code: 1 when COM cannot be
// initialised, -1 when the object cannot be run, else the object's result.
int RunStartup(int showCommand);
