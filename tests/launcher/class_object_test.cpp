// The demo component's COM surface: what its class object and factory hand out or refuse.
#include <gtest/gtest.h>

#include "components/class_object.h"
#include "components/module_lifetime.h"
#include "launcher/app_run_interface.h"
#include "platform/unique_handles.h"

namespace {

// One bit away from AppRun's class id: the component must compare all of it.
constexpr CLSID kOtherClass = [] {
    CLSID other = CLSID_AppRun;
    other.Data4[7] ^= 1;
    return other;
}();

struct ClassObjectCase {
    const char* name;
    const CLSID* clsid;
    const IID* iid;
    HRESULT expected;
};

void PrintTo(const ClassObjectCase& c, std::ostream* os) {
    *os << c.name;
}

class GetAppRunClassObjectTest : public ::testing::TestWithParam<ClassObjectCase> {};

TEST_P(GetAppRunClassObjectTest, AnswersAsComExpects) {
    const ClassObjectCase& c = GetParam();
    void* object = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(GetAppRunClassObject(*c.clsid, *c.iid, &object), c.expected);
    EXPECT_EQ(object != nullptr, SUCCEEDED(c.expected));
    if (object != nullptr) {
        static_cast<IUnknown*>(object)->Release();
    }
    EXPECT_FALSE(ModuleInUse());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, GetAppRunClassObjectTest,
    ::testing::Values(
        ClassObjectCase{"ClassFactory", &CLSID_AppRun, &IID_IClassFactory, S_OK},
        ClassObjectCase{"Unknown", &CLSID_AppRun, &IID_IUnknown, S_OK},
        ClassObjectCase{"OtherClass", &kOtherClass, &IID_IClassFactory, CLASS_E_CLASSNOTAVAILABLE},
        ClassObjectCase{"LaunchInterfaceOfTheFactory", &CLSID_AppRun, &IID_IAppRun, E_NOINTERFACE}),
    [](const ::testing::TestParamInfo<ClassObjectCase>& info) { return info.param.name; });

TEST(GetAppRunClassObjectTest, NullOutputIsRefused) {
    EXPECT_EQ(GetAppRunClassObject(CLSID_AppRun, IID_IClassFactory, nullptr), E_POINTER);
}

UniqueInterface<IClassFactory> AppRunFactory() {
    void* factory = nullptr;
    EXPECT_EQ(GetAppRunClassObject(CLSID_AppRun, IID_IClassFactory, &factory), S_OK);
    return UniqueInterface<IClassFactory>(static_cast<IClassFactory*>(factory));
}

struct CreateCase {
    const char* name;
    bool withOuter;
    const IID* iid;
    HRESULT expected;
};

void PrintTo(const CreateCase& c, std::ostream* os) {
    *os << c.name;
}

class CreateInstanceTest : public ::testing::TestWithParam<CreateCase> {};

TEST_P(CreateInstanceTest, MakesObjectsOfTheLaunchInterfaceOnly) {
    const CreateCase& c = GetParam();
    const UniqueInterface<IClassFactory> factory = AppRunFactory();
    ASSERT_NE(factory, nullptr);
    void* object = reinterpret_cast<void*>(0x1);
    IUnknown* outer = c.withOuter ? factory.get() : nullptr;
    EXPECT_EQ(factory->CreateInstance(outer, *c.iid, &object), c.expected);
    EXPECT_EQ(object != nullptr, SUCCEEDED(c.expected));
    if (object != nullptr) {
        EXPECT_TRUE(ModuleInUse());
        static_cast<IUnknown*>(object)->Release();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, CreateInstanceTest,
    ::testing::Values(CreateCase{"LaunchInterface", false, &IID_IAppRun, S_OK},
                      CreateCase{"Unknown", false, &IID_IUnknown, S_OK},
                      CreateCase{"FactoryInterfaceOfTheObject", false, &IID_IClassFactory,
                                 E_NOINTERFACE},
                      CreateCase{"Aggregation", true, &IID_IUnknown, CLASS_E_NOAGGREGATION}),
    [](const ::testing::TestParamInfo<CreateCase>& info) { return info.param.name; });

TEST(ModuleLifetimeTest, LockedServerKeepsTheLibraryInUseUntilUnlocked) {
    UniqueInterface<IClassFactory> factory = AppRunFactory();
    ASSERT_NE(factory, nullptr);
    factory->LockServer(TRUE);
    factory.reset();
    EXPECT_TRUE(ModuleInUse());
    factory = AppRunFactory();
    factory->LockServer(FALSE);
    factory.reset();
    EXPECT_FALSE(ModuleInUse());
}

TEST(ModuleLifetimeTest, NothingLeftInUseOnceEverythingIsReleased) {
    {
        const UniqueInterface<IClassFactory> factory = AppRunFactory();
        void* object = nullptr;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IAppRun, &object), S_OK);
        const UniqueInterface<IAppRun> appRun(static_cast<IAppRun*>(object));
        EXPECT_TRUE(ModuleInUse());
    }
    EXPECT_FALSE(ModuleInUse());
}

}  // namespace
