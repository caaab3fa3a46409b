#include <log4cxx/logger.h>

#include "run_log.h"

void LogRunStarted(std::int32_t showCommand, const std::string& commandLine) {
    // The launcher configured the library for the whole process before creating us.
    const log4cxx::LoggerPtr logger = log4cxx::Logger::getLogger("AppRun");
    LOG4CXX_INFO(
        logger, "AppRun started: show command " << showCommand << ", command line " << commandLine);
}

bool ProcessLoggingHasAppender() {
    return !log4cxx::Logger::getRootLogger()->getAllAppenders().empty();
}
