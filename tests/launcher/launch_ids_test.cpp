// The class id the manifest is configured from must be the one the launcher creates.
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

TEST(LaunchIdsTest, ManifestTextMatchesTheClassId) {
    EXPECT_EQ(RegistryFormat(CLSID_AppRun), APPRUN_CLSID_TEXT);
}

TEST(LaunchIdsTest, InterfaceIdIsTheLaunchInterfaces) {
    EXPECT_EQ(RegistryFormat(IID_IAppRun), "{82AFA8CE-E16B-55B4-A4DB-14BA3E35164B}");
}

}  // namespace
