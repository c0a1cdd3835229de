// A hidden window with one canvas button, for the button's tests.
#pragma once

#include <gtest/gtest.h>

#include "toolkit/backend.h"
#include "toolkit/toolkit.h"
#include "widgets/button_events.h"
#include "widgets/canvas_button.h"

class ButtonTest : public ::testing::Test {
  protected:
    static constexpr int Win = 1;
    static constexpr int Button = 24;
    static constexpr int Width = 184;
    static constexpr int Height = 42;

    void SetUp() override {
        CreateButtonRegistry();
        ASSERT_NE(tk::NewWindow(Win, 0, 0, 300, 200, u"buttons", tk::WindowHidden), 0);
        ASSERT_NE(CreateCanvasButton(Button, 10, 10, Width, Height, u"Convert Color", 0), 0);
        record = FindButton(Button);
        ASSERT_NE(record, nullptr);
    }
    void TearDown() override { tk::CloseWindow(Win); }

    // As the backend reports the pointer, in the button's coordinates.
    static void Pointer(tk::core::PointerAction action, int x, int y, int buttons = 0) {
        tk::core::CanvasPointerEvent(tk::GadgetHandle(Button), action, x, y, buttons);
    }
    static tk::Color Pixel(int x, int y) { return tk::Drawing::OnCanvas(Button).PixelAt(x, y); }

    CanvasButton* record = nullptr;
};
