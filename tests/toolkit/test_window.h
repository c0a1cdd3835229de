// A hidden window that a test builds its gadgets in.
#pragma once

#include <gtest/gtest.h>

#include "toolkit/toolkit.h"

class WindowTest : public ::testing::Test {
  protected:
    static constexpr int Win = 1;
    void SetUp() override {
        ASSERT_NE(tk::NewWindow(Win, 10, 20, 300, 200, u"test", tk::WindowHidden), 0);
    }
    void TearDown() override { tk::CloseWindow(Win); }
};
