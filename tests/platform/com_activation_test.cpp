// CoCreateInstance over the tests' manifest (platform_test.manifest) and the test component
// libraries built beside this executable.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"
#include "test_component_ids.h"

namespace {

// An object to offer as the outer object of an aggregate.
class Outer final : public IUnknown {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

// Whether the process has the test component loaded, and its live objects when it has.
struct ComponentState {
    bool loaded = false;
    int liveObjects = 0;
};

ComponentState TestComponentState() {
    void* const handle = dlopen(TEST_COMPONENT_FILE, RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return {};
    }
    const auto liveObjects =
        reinterpret_cast<LiveObjectsFunction>(dlsym(handle, TEST_COMPONENT_LIVE_OBJECTS));
    const ComponentState state{true, liveObjects != nullptr ? liveObjects() : -1};
    dlclose(handle);
    return state;
}

class CoCreateInstanceTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(CoInitialize(nullptr), S_OK); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(CoCreateInstanceTest, AnswersEachCaseWithItsResult) {
    Outer outer;
    struct Case {
        const char* name;
        CLSID clsid;
        IUnknown* outer;
        DWORD context;
        IID iid;
        HRESULT expected;
    };
    const std::vector<Case> cases = {
        {"created", CLSID_TestAnswer, nullptr, CLSCTX_ALL, IID_ITestAnswer, S_OK},
        {"created as IUnknown", CLSID_TestAnswer, nullptr, CLSCTX_ALL, IID_IUnknown, S_OK},
        {"in-process server asked alone", CLSID_TestAnswer, nullptr, CLSCTX_INPROC_SERVER,
         IID_ITestAnswer, S_OK},
        {"class id declared in lower case", CLSID_TestAnswerLowerCase, nullptr, CLSCTX_ALL,
         IID_ITestAnswer, S_OK},
        {"interface the object lacks", CLSID_TestAnswer, nullptr, CLSCTX_ALL, IID_IClassFactory,
         E_NOINTERFACE},
        {"outer object", CLSID_TestAnswer, &outer, CLSCTX_ALL, IID_IUnknown, CLASS_E_NOAGGREGATION},
        {"local server only", CLSID_TestAnswer, nullptr, CLSCTX_LOCAL_SERVER, IID_ITestAnswer,
         REGDB_E_CLASSNOTREG},
        {"class not declared", CLSID_Undeclared, nullptr, CLSCTX_ALL, IID_IUnknown,
         REGDB_E_CLASSNOTREG},
        {"library missing", CLSID_InMissingLibrary, nullptr, CLSCTX_ALL, IID_IUnknown,
         HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND)},
        {"library without DllGetClassObject", CLSID_InLibraryWithoutExport, nullptr, CLSCTX_ALL,
         IID_IUnknown, HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND)},
        {"declared but unknown to its library", CLSID_NotInComponent, nullptr, CLSCTX_ALL,
         IID_IUnknown, CLASS_E_CLASSNOTAVAILABLE},
    };
    for (const Case& c : cases) {
        void* object = reinterpret_cast<void*>(0x1);  // must be overwritten either way
        EXPECT_EQ(CoCreateInstance(c.clsid, c.outer, c.context, c.iid, &object), c.expected)
            << c.name;
        if (FAILED(c.expected)) {
            EXPECT_EQ(object, nullptr) << c.name;
            continue;
        }
        ASSERT_NE(object, nullptr) << c.name;
        // One reference, owned by the caller; the object works through what was asked for.
        auto* unknown = static_cast<IUnknown*>(object);
        void* answer = nullptr;
        ASSERT_EQ(unknown->QueryInterface(IID_ITestAnswer, &answer), S_OK) << c.name;
        EXPECT_EQ(static_cast<ITestAnswer*>(answer)->Answer(), 42) << c.name;
        EXPECT_EQ(static_cast<ITestAnswer*>(answer)->Release(), 1u) << c.name;
        EXPECT_EQ(unknown->Release(), 0u) << c.name;
        EXPECT_EQ(TestComponentState().liveObjects, 0) << c.name;
    }
}

TEST_F(CoCreateInstanceTest, NullOutputIsRefused) {
    EXPECT_EQ(CoCreateInstance(CLSID_TestAnswer, nullptr, CLSCTX_ALL, IID_IUnknown, nullptr),
              E_POINTER);
}

TEST_F(CoCreateInstanceTest, MissingLibraryGivesTheWindowsCode) {
    void* object = nullptr;
    const HRESULT result =
        CoCreateInstance(CLSID_InMissingLibrary, nullptr, CLSCTX_ALL, IID_IUnknown, &object);
    EXPECT_EQ(static_cast<std::uint32_t>(result), 0x8007007Eu);
}

TEST(CoUninitialize, LastOneUnloadsTheComponentLibraries) {
    ASSERT_FALSE(TestComponentState().loaded);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    void* object = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_TestAnswer, nullptr, CLSCTX_ALL, IID_ITestAnswer, &object),
              S_OK);
    EXPECT_EQ(TestComponentState().liveObjects, 1);
    static_cast<ITestAnswer*>(object)->Release();

    // Another thread that leaves COM, and an inner uninitialise, leave the library loaded.
    std::thread other([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        CoUninitialize();
    });
    other.join();
    EXPECT_TRUE(TestComponentState().loaded);
    ASSERT_EQ(CoInitialize(nullptr), S_FALSE);
    CoUninitialize();
    EXPECT_TRUE(TestComponentState().loaded);

    CoUninitialize();
    EXPECT_FALSE(TestComponentState().loaded);
}

}  // namespace
