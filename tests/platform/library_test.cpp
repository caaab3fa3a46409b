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

}  // namespace
