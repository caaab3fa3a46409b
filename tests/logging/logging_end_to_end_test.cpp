// Start-up logging as a real process sees it: the documents folder is looked up, the
// configuration is written and handed to log4cxx, and records land in the named file.
#include <gtest/gtest.h>
#include <log4cxx/logger.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "logging/log_setup.h"
#include "file_bytes.h"
#include "local_date.h"
#include "scratch_documents_folder.h"

namespace {

TEST(LoggingEndToEnd, InfoRecordsLandInTheDatedLogFileAndDebugRecordsDoNot) {
    const ScratchDocumentsFolder scratch;
    const std::filesystem::path& documents = scratch.Documents();

    const std::string date = LocalDateAsEightDigits();

    InitLogging();

    auto logger = log4cxx::Logger::getLogger("end-to-end");
    LOG4CXX_INFO(logger, "start-up record");
    LOG4CXX_DEBUG(logger, "too detailed to keep");

    const std::string base = "logging_end_to_end_tests";
    const std::filesystem::path logFile =
        documents / "Norvale" / "SystemLog" / base / (base + ".1.0.0Log_" + date + ".txt");
    ASSERT_TRUE(std::filesystem::exists(logFile)) << logFile;
    const std::string log = ReadFileBytes(logFile);
    EXPECT_NE(log.find("[ INFO] "), std::string::npos) << log;
    EXPECT_NE(log.find(" - start-up record"), std::string::npos) << log;
    EXPECT_EQ(log.find("too detailed"), std::string::npos) << log;
    // "yyyy-MM-dd HH:mm:ss" opens the record.
    ASSERT_GE(log.size(), 20u);
    EXPECT_EQ(log.substr(0, 4), date.substr(0, 4));
    EXPECT_EQ(log[4], '-');
    EXPECT_EQ(log[10], ' ');
    EXPECT_EQ(log[13], ':');
    std::cout << "log4cxx wrote: " << log;
    // Windows removes no file that is still open: the appender lets go before the folder goes.
    log4cxx::Logger::getRootLogger()->removeAllAppenders();
}

// 5 MB (5,242,880 bytes) a file, one backup: twelve megabytes of records leave the day's file
// and its ".1", nothing older.
TEST(LoggingEndToEnd, TheDaysFileRollsAtFiveMegabytesAndKeepsOneBackup) {
    const ScratchDocumentsFolder scratch;
    const std::filesystem::path& documents = scratch.Documents();
    const std::string date = LocalDateAsEightDigits();

    InitLogging();
    auto logger = log4cxx::Logger::getLogger("rolling");
    const std::string record(1000, 'r');
    for (int i = 0; i < 12 * 1024; ++i) {
        LOG4CXX_INFO(logger, record);
    }
    log4cxx::Logger::getRootLogger()->removeAllAppenders();

    const std::string base = "logging_end_to_end_tests";
    const std::filesystem::path logFile =
        documents / "Norvale" / "SystemLog" / base / (base + ".1.0.0Log_" + date + ".txt");
    std::filesystem::path backup = logFile;
    backup += ".1";
    std::filesystem::path older = logFile;
    older += ".2";
    constexpr std::uintmax_t kLimit = 5 * 1024 * 1024;
    ASSERT_TRUE(std::filesystem::exists(backup)) << backup;
    // It rolled as soon as a record took it past the limit.
    EXPECT_GT(std::filesystem::file_size(backup), kLimit);
    EXPECT_LT(std::filesystem::file_size(backup), kLimit + 2 * record.size());
    EXPECT_LE(std::filesystem::file_size(logFile), kLimit);
    EXPECT_FALSE(std::filesystem::exists(older));
}

}  // namespace
