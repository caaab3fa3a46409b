#include <log4cxx/file.h>
#include <log4cxx/propertyconfigurator.h>

#include "logging/configuration_handoff.h"
#include "platform/library_path.h"

void ConfigureLoggingLibrary(const std::string& configurationFile) {
    // log4cxx reads narrow text as UTF-8 whatever the locale; an ANSI path would not be found.
    const log4cxx::File file(ToLog4cxxPath(configurationFile));
    log4cxx::PropertyConfigurator::configure(file);
}
