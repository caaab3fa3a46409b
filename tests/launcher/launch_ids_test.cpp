// The ids the launcher creates and calls are the ones the manifest and the table give.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "launcher/app_run_interface.h"

namespace {

std::string RegistryFormat(const GUID& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return text;
}

// The contract header gives each id twice, as registry text and as a GUID struct, both
// configured from the project's table of ids: the manifest is written from the text, COM is
// handed the struct.
TEST(LaunchIdsTest, ClassIdStructMatchesItsText) {
    EXPECT_EQ(RegistryFormat(CLSID_AppRun), APPRUN_CLSID_TEXT);
}

TEST(LaunchIdsTest, InterfaceIdStructMatchesTheTable) {
    EXPECT_EQ(RegistryFormat(IID_IAppRun), LAUNCHER_IAPPRUN_IID_TEXT);
}

}  // namespace
