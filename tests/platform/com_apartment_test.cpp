// Apartments: what CoInitialize, CoInitializeEx and CoUninitialize answer, step by step, on
// a thread of their own.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"

namespace {

enum class Step { kSta, kMta, kUninitialize, kCreate };

struct Expectation {
    Step step;
    HRESULT result;  // ignored for kUninitialize
};

// The results of the steps, run on a new thread; the thread leaves COM before it ends.
std::vector<HRESULT> RunOnNewThread(const std::vector<Expectation>& steps) {
    std::vector<HRESULT> results;
    std::thread thread([&] {
        int initialised = 0;
        for (const Expectation& expectation : steps) {
            HRESULT result = S_OK;
            switch (expectation.step) {
                case Step::kSta:
                    result = CoInitialize(nullptr);
                    break;
                case Step::kMta:
                    result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
                    break;
                case Step::kUninitialize:
                    CoUninitialize();
                    initialised = initialised > 0 ? initialised - 1 : 0;
                    break;
                case Step::kCreate: {
                    void* object = reinterpret_cast<void*>(0x1);
                    result =
                        CoCreateInstance(IID_IUnknown, nullptr, CLSCTX_ALL, IID_IUnknown, &object);
                    EXPECT_EQ(object, nullptr);
                    break;
                }
            }
            if ((expectation.step == Step::kSta || expectation.step == Step::kMta) &&
                (result == S_OK || result == S_FALSE)) {
                ++initialised;
            }
            results.push_back(result);
        }
        while (initialised-- > 0) {
            CoUninitialize();
        }
    });
    thread.join();
    return results;
}

TEST(CoInitialize, AnswersEachStepAsWindowsDoes) {
    struct Case {
        const char* name;
        std::vector<Expectation> steps;
    };
    // In this executable no class is declared: an initialised thread gets REGDB_E_CLASSNOTREG.
    const std::vector<Case> cases = {
        {"first STA", {{Step::kSta, S_OK}}},
        {"first MTA", {{Step::kMta, S_OK}}},
        {"STA again", {{Step::kSta, S_OK}, {Step::kSta, S_FALSE}}},
        {"MTA again", {{Step::kMta, S_OK}, {Step::kMta, S_FALSE}}},
        {"STA then MTA", {{Step::kSta, S_OK}, {Step::kMta, RPC_E_CHANGED_MODE}}},
        {"MTA then STA", {{Step::kMta, S_OK}, {Step::kSta, RPC_E_CHANGED_MODE}}},
        {"balanced, then anew",
         {{Step::kSta, S_OK}, {Step::kUninitialize, S_OK}, {Step::kMta, S_OK}}},
        {"S_FALSE needs its own uninitialise",
         {{Step::kSta, S_OK},
          {Step::kSta, S_FALSE},
          {Step::kUninitialize, S_OK},
          {Step::kMta, RPC_E_CHANGED_MODE},
          {Step::kUninitialize, S_OK},
          {Step::kMta, S_OK}}},
        {"a refused change of mode needs none",
         {{Step::kMta, S_OK},
          {Step::kSta, RPC_E_CHANGED_MODE},
          {Step::kUninitialize, S_OK},
          {Step::kSta, S_OK}}},
        {"stray uninitialise is ignored", {{Step::kUninitialize, S_OK}, {Step::kSta, S_OK}}},
        {"create before initialising", {{Step::kCreate, CO_E_NOTINITIALIZED}}},
        {"create in an STA", {{Step::kSta, S_OK}, {Step::kCreate, REGDB_E_CLASSNOTREG}}},
        {"create in an MTA", {{Step::kMta, S_OK}, {Step::kCreate, REGDB_E_CLASSNOTREG}}},
        {"create after leaving",
         {{Step::kSta, S_OK}, {Step::kUninitialize, S_OK}, {Step::kCreate, CO_E_NOTINITIALIZED}}},
        {"create after a refused change of mode",
         {{Step::kMta, S_OK},
          {Step::kSta, RPC_E_CHANGED_MODE},
          {Step::kCreate, REGDB_E_CLASSNOTREG}}},
    };
    for (const Case& c : cases) {
        const std::vector<Expectation>& steps = c.steps;
        const std::vector<HRESULT> results = RunOnNewThread(steps);
        ASSERT_EQ(results.size(), steps.size()) << c.name;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (steps[i].step != Step::kUninitialize) {
                EXPECT_EQ(results[i], steps[i].result) << c.name << ", step " << i;
            }
        }
    }
}

TEST(CoInitialize, ApartmentsBelongToTheirThread) {
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(RunOnNewThread({{Step::kMta, S_OK}}).front(), S_OK);
    EXPECT_EQ(RunOnNewThread({{Step::kCreate, CO_E_NOTINITIALIZED}}).front(), CO_E_NOTINITIALIZED);
    CoUninitialize();
}

TEST(CoInitializeEx, RefusesAReservedArgument) {
    int reserved = 0;
    std::thread thread([&] {
        EXPECT_EQ(CoInitializeEx(&reserved, COINIT_APARTMENTTHREADED), E_INVALIDARG);
        // Nothing was started: the thread is still outside COM.
        EXPECT_EQ(CoInitialize(nullptr), S_OK);
        CoUninitialize();
    });
    thread.join();
}

}  // namespace
