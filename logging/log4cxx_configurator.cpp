#include <log4cxx/file.h>
#include <log4cxx/propertyconfigurator.h>

#include "logging/configuration_handoff.h"
#include "platform/library_path.h"
#include "platform/library_text_locale.h"

void ConfigureLoggingLibrary(const std::string& configurationFile) {
    // Both the configuration file's path and the log file's are decoded here.
    const LibraryTextLocale libraryText;
    const log4cxx::File file(ToLibraryPath(configurationFile));
    log4cxx::PropertyConfigurator::configure(file);
}
