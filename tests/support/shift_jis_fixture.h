// A fixture for cases written in Shift-JIS bytes: they fail at once where the code page is
// not 932 rather than with puzzling results.
#pragma once

#include <gtest/gtest.h>

#include "platform/win32.h"
#include "shift_jis.h"

class ShiftJisTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "these cases need the Shift-JIS code page";
    }
};
