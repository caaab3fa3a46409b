// Shift-JIS fixtures. Cases built on them only mean something under code page 932, which
// both test builds run with.
#pragma once

#include <gtest/gtest.h>

#include "platform/win32.h"

// 表: lead byte 0x95, trail byte 0x5C, the code of the backslash.
#define SJIS_HYOU "\x95\x5C"
// ｱ: a single-byte katakana, high but no lead byte.
#define SJIS_HALFWIDTH_A "\xB1"

class ShiftJisTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "these cases need the Shift-JIS code page";
    }
};
