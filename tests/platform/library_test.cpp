#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "platform/unique_handles.h"
#include "platform/win32.h"

namespace {

using ShGetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

TEST(BuiltinShellFolderLibrary, LoadsUnderItsNameInAnyCase) {
    const int before = HostBuiltinLibraryReferences();
    {
        const UniqueLibrary lower(LoadLibraryA("shfolder.dll"));
        const UniqueLibrary upper(LoadLibraryA("SHFOLDER.DLL"));
        // Without an extension Windows looks for the name with ".dll".
        const UniqueLibrary bare(LoadLibraryA("shfolder"));
        ASSERT_NE(lower, nullptr);
        EXPECT_EQ(lower.get(), upper.get());
        EXPECT_EQ(lower.get(), bare.get());
        EXPECT_EQ(HostBuiltinLibraryReferences(), before + 3);
    }
    EXPECT_EQ(HostBuiltinLibraryReferences(), before);
}

TEST(BuiltinShellFolderLibrary, ATrailingDotMeansNoExtension) {
    EXPECT_EQ(LoadLibraryA("shfolder."), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(BuiltinShellFolderLibrary, ExportsOnlyTheFolderLookup) {
    const UniqueLibrary library(LoadLibraryA("shfolder.dll"));
    ASSERT_NE(library, nullptr);
    const auto lookup =
        reinterpret_cast<ShGetFolderPath>(GetProcAddress(library.get(), "SHGetFolderPathA"));
    ASSERT_NE(lookup, nullptr);
    char path[MAX_PATH] = "untouched";
    EXPECT_EQ(lookup(nullptr, 0x0026 /* program files */, nullptr, 0, path), E_INVALIDARG);

    for (const char* name : {"SHGetFolderPathW", "shgetfolderpatha", ""}) {
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(library.get(), name), nullptr) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND)) << name;
    }
    // An ordinal in place of a name is not read as a string.
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(library.get(), reinterpret_cast<LPCSTR>(std::uintptr_t{1})), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

TEST(BuiltinShellFolderLibrary, CannotBeFreedMoreOftenThanLoaded) {
    const HMODULE library = LoadLibraryA("shfolder.dll");
    const int loaded = HostBuiltinLibraryReferences();
    EXPECT_TRUE(FreeLibrary(library));
    EXPECT_EQ(HostBuiltinLibraryReferences(), loaded - 1);
    if (loaded == 1) {
        SetLastError(0);
        EXPECT_FALSE(FreeLibrary(library));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(HostBuiltinLibraryReferences(), 0);
    }
}

TEST(BuiltinShellFolderLibrary, HasAModuleHandleOnlyWhileLoaded) {
    ASSERT_EQ(HostBuiltinLibraryReferences(), 0);
    EXPECT_EQ(GetModuleHandleA("shfolder.dll"), nullptr);
    {
        const UniqueLibrary first(LoadLibraryA("shfolder.dll"));
        const UniqueLibrary second(LoadLibraryA("shfolder.dll"));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(GetModuleHandleA("SHFOLDER.DLL"), first.get());
        EXPECT_EQ(GetModuleHandleA("shfolder"), first.get());
        EXPECT_EQ(GetModuleHandleA("shfolder."), nullptr);
    }
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleA("shfolder.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(SharedObjects, LoadWithDlopenAndGiveTheirFunctions) {
    const UniqueLibrary library(LoadLibraryA("libm.so.6"));
    ASSERT_NE(library, nullptr);
    using Cosine = double (*)(double);
    const auto cosine = reinterpret_cast<Cosine>(GetProcAddress(library.get(), "cos"));
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);

    SetLastError(0);
    EXPECT_EQ(GetProcAddress(library.get(), "no_such_function_here"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

TEST(SharedObjects, AMissingOneGivesModuleNotFound) {
    for (const char* name : {"no-such-library.so", "C:\\no\\such\\library.dll", ""}) {
        SetLastError(0);
        EXPECT_EQ(LoadLibraryA(name), nullptr) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND)) << name;
    }
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(DllDirectory, IsRecordedUntilReset) {
    EXPECT_TRUE(SetDllDirectoryA(""));
    EXPECT_EQ(HostDllDirectory(), std::optional<std::string>(""));
    EXPECT_TRUE(SetDllDirectoryA("C:\\plugins"));
    EXPECT_EQ(HostDllDirectory(), std::optional<std::string>("C:\\plugins"));
    EXPECT_TRUE(SetDllDirectoryA(nullptr));
    EXPECT_EQ(HostDllDirectory(), std::nullopt);
}

struct DllDirectoryReadCase {
    const char* set;  // null: none set
    DWORD bufferLength;
    DWORD result;
    const char* read;
};

// As Windows (Wine 8) answers: the length without the terminator when the text fits, else the
// size it needs with the terminator, and an empty buffer.
TEST(DllDirectory, ReadsBackWhatWasSet) {
    const DllDirectoryReadCase cases[] = {
        {nullptr, MAX_PATH, 0, ""},
        {"", MAX_PATH, 0, ""},
        {"C:\\plugins", MAX_PATH, 10, "C:\\plugins"},
        {"C:\\plugins", 11, 10, "C:\\plugins"},
        {"C:\\plugins", 10, 11, ""},
        {"C:\\plugins", 3, 11, ""},
    };
    for (const DllDirectoryReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.set == nullptr ? "(none)" : c.set) + " into " +
                     std::to_string(c.bufferLength));
        SetDllDirectoryA(c.set);
        char buffer[MAX_PATH] = "untouched";
        EXPECT_EQ(GetDllDirectoryA(c.bufferLength, buffer), c.result);
        EXPECT_STREQ(buffer, c.read);
    }
    SetDllDirectoryA(nullptr);
    EXPECT_EQ(GetDllDirectoryA(0, nullptr), 1u) << "the size for an empty text";
}

}  // namespace
