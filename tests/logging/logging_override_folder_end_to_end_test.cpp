// A folder under the override's name, met as a real process meets it: the logging library is
// handed the folder, reads no configuration from it and stays unconfigured, so records go
// nowhere and the start goes on.
#include <gtest/gtest.h>
#include <log4cxx/logger.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "logging/log_setup.h"
#include "scoped_documents_folder.h"
#include "temp_dir.h"

namespace {

std::vector<std::string> EverythingUnder(const std::filesystem::path& folder) {
    std::vector<std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        entries.push_back(entry.path().lexically_relative(folder).generic_string());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST(LoggingOverrideFolderEndToEnd, TheFolderConfiguresNothingAndNothingIsWritten) {
    TempDir temp;
    const std::filesystem::path documents = std::filesystem::path(temp.Path()) / "Docs";
    std::filesystem::create_directories(documents / "Norvale" / "SystemLog" / "NDefault.ini");
    const ScopedDocumentsFolder documentsFolder(documents, temp.Path());

    InitLogging();
    LOG4CXX_INFO(log4cxx::Logger::getLogger("folder"), "start-up record");

    EXPECT_TRUE(log4cxx::Logger::getRootLogger()->getAllAppenders().empty());
    EXPECT_EQ(EverythingUnder(temp.Path()),
              (std::vector<std::string>{"Docs", "Docs/Norvale", "Docs/Norvale/SystemLog",
                                        "Docs/Norvale/SystemLog/NDefault.ini"}));
}

}  // namespace
