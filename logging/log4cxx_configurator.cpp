#include <log4cxx/file.h>
#include <log4cxx/logmanager.h>
#include <log4cxx/propertyconfigurator.h>
#include <log4cxx/spi/loggerrepository.h>

#include "logging/configuration_handoff.h"
#include "platform/library_path.h"

void ConfigureLoggingLibrary(const std::string& configurationFile) {
    // log4cxx reads narrow text as UTF-8 whatever the locale; an ANSI path would not be found.
    const log4cxx::File file(ToLog4cxxPath(configurationFile));
    log4cxx::PropertyConfigurator::configure(file);
    // The file we handed over is the process's whole configuration, even when it configured
    // nothing: left unconfigured, log4cxx would configure itself at the first logger request
    // from a file in the current folder or one an environment variable names. Asking for the
    // repository does not start that search; asking for a logger would.
    log4cxx::LogManager::getLoggerRepository()->setConfigured(true);
}
