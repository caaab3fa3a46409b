// The launcher's resources as the build embeds them: the Japanese string table and the
// application manifest, and the shared assembly's manifest beside the executable.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <string>
#include <vector>

#include "launcher/app_run_interface.h"
#include "platform/host/manifest_classes.h"
#include "platform/library_path.h"
#include "platform/resource_type.h"
#include "platform/win32.h"

namespace {

// Entry `id mod 16` of a string-table block; empty when the entry is.
std::u16string EntryOf(HRSRC block, unsigned id) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const auto* units = static_cast<const char16_t*>(LockResource(LoadResource(module, block)));
    const std::size_t end = SizeofResource(module, block) / 2;
    std::size_t at = 0;
    for (unsigned i = 0; i < id % 16; ++i) {
        if (at >= end) {
            return std::u16string();
        }
        at += 1 + units[at];
    }
    return at < end ? std::u16string(units + at + 1, units[at]) : std::u16string();
}

TEST(LauncherStringTable, Block626HoldsTheTextsOfItsIds) {
    struct Case {
        unsigned id;
        std::u16string text;  // empty: the entry is absent
    };
    const std::vector<Case> cases = {
        {10000, u"連動処理を開始します。"},
        {10001, u"連動処理が完了しました。"},
        {10002, u""},
        {10009, u""},
        {10010, u"AppRunオブジェクトの作成に失敗しました。"},
        {10011, u"会計データの読み込みに失敗しました。"},
        {10012, u""},
        {10015, u"申告データの書き込みに失敗しました。"},
    };
    HostSetAnsiCodePage(932);
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC block =
        FindResourceExW(module, WideResourceType(RT_STRING), MAKEINTRESOURCEW(626), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block,
              FindResourceExW(module, WideResourceType(RT_STRING), MAKEINTRESOURCEW(626), 1041));
    EXPECT_EQ(block, FindResourceW(module, MAKEINTRESOURCEW(626), WideResourceType(RT_STRING)));
    for (const Case& c : cases) {
        ASSERT_EQ(c.id / 16 + 1, 626u) << c.id;
        EXPECT_EQ(EntryOf(block, c.id), c.text) << c.id;
    }
    EXPECT_EQ(EntryOf(block, 10010).size(), 23u);
    HostSetAnsiCodePage(0);
}

TEST(LauncherStringTable, NeighbouringBlocksAreAbsent) {
    for (const WORD blockNumber : {625, 627}) {
        SetLastError(0);
        EXPECT_EQ(
            FindResourceW(nullptr, MAKEINTRESOURCEW(blockNumber), WideResourceType(RT_STRING)),
            nullptr)
            << blockNumber;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    }
}

std::string ApplicationManifest() {
    const HRSRC manifest =
        FindResourceExW(nullptr, WideResourceType(RT_MANIFEST), MAKEINTRESOURCEW(1), 0x0409);
    if (manifest == nullptr) {
        return std::string();
    }
    const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
    return std::string(text, SizeofResource(nullptr, manifest));
}

TEST(LauncherManifest, IsUtf8WithByteOrderMark) {
    const std::string manifest = ApplicationManifest();
    ASSERT_GT(manifest.size(), 3u);
    EXPECT_EQ(manifest.substr(0, 3), "\xEF\xBB\xBF");
    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(manifest.data(), manifest.size()));
    EXPECT_STREQ(document.document_element().attribute("manifestVersion").value(), "1.0");
}

TEST(LauncherManifest, DeclaresTheAppRunClassFirst) {
    const std::string manifest = ApplicationManifest();
    EXPECT_EQ(host::FindComClassFile(manifest.data(), manifest.size(), CLSID_AppRun),
              LAUNCHER_APPRUN_LIBRARY);
    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(manifest.data(), manifest.size()));
    const pugi::xml_node first = document.document_element().child("file");
    EXPECT_STREQ(first.attribute("name").value(), LAUNCHER_APPRUN_LIBRARY);
    EXPECT_STREQ(first.child("comClass").attribute("clsid").value(), APPRUN_CLSID_TEXT);
    EXPECT_TRUE(first.child("comClass").next_sibling("comClass").empty());
}

TEST(LauncherManifest, CountsItsFilesAndClasses) {
    const std::string manifest = ApplicationManifest();
    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(manifest.data(), manifest.size()));
    int files = 0;
    int classes = 0;
    int progIds = 0;
    for (const pugi::xml_node& file : document.document_element().children("file")) {
        ++files;
        for (const pugi::xml_node& comClass : file.children("comClass")) {
            ++classes;
            progIds += comClass.attribute("progid").empty() ? 0 : 1;
            EXPECT_TRUE(comClass.attribute("threadingModel").empty());
        }
    }
    EXPECT_EQ(files, 10);
    EXPECT_EQ(classes, 58);
    EXPECT_EQ(progIds, 49);
}

// The dependency must name the shared assembly exactly as its own manifest does, or the
// executable does not start on Windows.
TEST(LauncherManifest, SharedAssemblyBesideTheExecutableMatchesTheDependency) {
    const std::string manifest = ApplicationManifest();
    pugi::xml_document application;
    ASSERT_TRUE(application.load_buffer(manifest.data(), manifest.size()));
    const pugi::xml_node dependency = application.document_element()
                                          .child("dependency")
                                          .child("dependentAssembly")
                                          .child("assemblyIdentity");
    ASSERT_FALSE(dependency.empty());

    char executable[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, executable, MAX_PATH);
    ASSERT_GT(length, 0u);
    // The module path is Windows-shaped (Z:\\...); the host path is what a file opens.
    const std::string path = ToLibraryPath(std::string(executable, length));
    const std::string shared =
        path.substr(0, path.rfind('/') + 1) + "Norvale.Linkage.Shared.manifest";
    pugi::xml_document sharedDocument;
    ASSERT_TRUE(sharedDocument.load_file(shared.c_str())) << shared;
    const pugi::xml_node identity = sharedDocument.document_element().child("assemblyIdentity");
    for (const char* attribute : {"type", "name", "version", "processorArchitecture"}) {
        EXPECT_STREQ(identity.attribute(attribute).value(), dependency.attribute(attribute).value())
            << attribute;
    }
    EXPECT_STREQ(dependency.attribute("processorArchitecture").value(), "X86");
}

}  // namespace
