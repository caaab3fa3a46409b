// Runs of the real launcher with the demo component, each in a scratch home and documents
// folder (the host's; Wine's documents folder lies in the build's scratch home), with the
// demo object recording what it received.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "components/run_record.h"
#include "fsutil/special_folder.h"
#include "platform/library_path.h"
#include "platform/win32.h"
#include "child_process.h"
#include "launcher_copy.h"
#include "run_record_reader.h"
#include "scoped_environment.h"
#include "temp_dir.h"

class LauncherProcessTest : public ::testing::Test {
  protected:
    LauncherProcessTest()
        : home_("HOME", scratch_.Path()),
          documents_("XDG_DOCUMENTS_DIR", scratch_.Path() + "/Documents"),
          record_(kRecordFileVariable, RecordFile()),
          probe_(kProbeFileVariable, ConfigurationFile()) {}

    void SetUp() override {
        ASSERT_FALSE(std::ifstream(OverrideFile()).is_open())
            << OverrideFile() << " would stop the launcher writing its configuration";
        std::remove(ConfigurationFile().c_str());
        std::remove(RecordFile().c_str());
    }

    std::string RecordFile() const { return scratch_.Path() + "/record.txt"; }

    // The log root under the documents folder, as the launcher composes it.
    static std::string LogRoot() {
        char documents[MAX_PATH] = {};
        GetDocumentsFolderPath(documents);
        return std::string(documents) + "\\Norvale\\SystemLog";
    }
    // Paths as this platform's file streams open them.
    static std::string ConfigurationFile() {
        return ToLibraryPath(LogRoot() + "\\" LAUNCHER_BASE_NAME ".ini");
    }
    static std::string OverrideFile() { return ToLibraryPath(LogRoot() + "\\NDefault.ini"); }

    std::optional<std::map<std::string, std::string>> Record() const {
        return ReadRunRecord(RecordFile());
    }

  private:
    TempDir scratch_;
    ScopedEnvironment home_;
    ScopedEnvironment documents_;
    ScopedEnvironment record_;
    ScopedEnvironment probe_;
};
