// Finding the library of a registration-free COM class in an application manifest.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/host/manifest_classes.h"

namespace {

constexpr CLSID kWanted = {
    0x5C1FF33E, 0xBD99, 0x859E, {0xC9, 0xF6, 0xCB, 0x6B, 0x8E, 0x2F, 0x33, 0x03}};

std::string Assembly(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">" +
           body + "</assembly>";
}

TEST(FindComClassFile, FindsTheDeclaringFile) {
    struct Case {
        const char* name;
        std::string manifest;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"first file",
         Assembly("<file name=\"App.dll\"><comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-"
                  "CB6B8E2F3303}\" progid=\"A.1\"/></file>"),
         "App.dll"},
        {"lower-case class id",
         Assembly("<file name=\"App.dll\"><comClass clsid=\"{5c1ff33e-bd99-859e-c9f6-"
                  "cb6b8e2f3303}\"/></file>"),
         "App.dll"},
        {"second class of a later file",
         Assembly("<file name=\"One.dll\"><comClass clsid=\"{00000000-0000-0000-0000-"
                  "000000000001}\"/></file><file name=\"Two.dll\"><typelib tlbid=\"{00000000-"
                  "0000-0000-0000-000000000009}\"/><comClass clsid=\"{00000000-0000-0000-0000-"
                  "000000000002}\"/><comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F3303}\"/>"
                  "</file>"),
         "Two.dll"},
        {"byte-order mark",
         "\xEF\xBB\xBF" + Assembly("<file name=\"App.dll\"><comClass clsid=\"{5C1FF33E-BD99-"
                                   "859E-C9F6-CB6B8E2F3303}\"/></file>"),
         "App.dll"},
        {"namespace prefixes",
         "<asmv1:assembly xmlns:asmv1=\"urn:schemas-microsoft-com:asm.v1\" "
         "manifestVersion=\"1.0\"><asmv1:file name=\"App.dll\"><asmv1:comClass "
         "clsid=\"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F3303}\"/></asmv1:file></asmv1:assembly>",
         "App.dll"},
        {"Japanese file name",
         Assembly("<file name=\"\xE8\xA1\xA8.dll\"><comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-"
                  "CB6B8E2F3303}\"/></file>"),
         "\xE8\xA1\xA8.dll"},
        {"other classes only",
         Assembly("<file name=\"App.dll\"><comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-"
                  "CB6B8E2F3304}\"/></file>"),
         std::nullopt},
        {"class outside any file",
         Assembly("<comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-CB6B8E2F3303}\"/>"), std::nullopt},
        {"class id without braces",
         Assembly("<file name=\"App.dll\"><comClass clsid=\"5C1FF33E-BD99-859E-C9F6-"
                  "CB6B8E2F3303\"/></file>"),
         std::nullopt},
        {"not an assembly",
         "<other><file name=\"App.dll\"><comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-"
         "CB6B8E2F3303}\"/></file></other>",
         std::nullopt},
        {"broken XML",
         Assembly("<file name=\"App.dll\"><comClass clsid=\"{5C1FF33E-BD99-859E-C9F6-"
                  "CB6B8E2F3303}\"></file>"),
         std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(host::FindComClassFile(c.manifest.data(), c.manifest.size(), kWanted), c.expected)
            << c.name;
    }
}

TEST(FindComClassFile, NoManifestDeclaresNothing) {
    EXPECT_EQ(host::FindComClassFile(nullptr, 0, kWanted), std::nullopt);
}

}  // namespace
