#include <log4cxx/file.h>
#include <log4cxx/propertyconfigurator.h>

#include "logging/configuration_handoff.h"
#include "platform/library_path.h"

void ConfigureLoggingLibrary(const std::string& configurationFile) {
    const log4cxx::File file(ToLibraryPath(configurationFile));
    log4cxx::PropertyConfigurator::configure(file);
}
