// The real main window, built in-process for each test and closed after it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <filesystem>

#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "theme/palette.h"
#include "toolkit/backend.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        FooterText = MakeFooterText(2026);
        CreateButtonRegistry();
        LoadFonts();
        ASSERT_TRUE(BuildMainWindow());
        // Focus needs an active window, which no window manager gives here.
        QApplication::setActiveWindow(Widget(tk::WindowHandle(MainWindow)));
    }
    void TearDown() override {
        tk::detail::DispatchPostedEvents();
        tk::CloseWindow(MainWindow);
        EXPECT_TRUE(ButtonRegistry.empty());
        // Every test starts light, with no theme file.
        std::error_code ignored;
        std::filesystem::remove_all(
            std::filesystem::path(tk::SystemServices().appDataFolder()) / "Huebox", ignored);
        CurrentTheme = 0;
    }

    static QWidget* Widget(tk::NativeHandle h) { return reinterpret_cast<QWidget*>(h); }
    // Pointer input on a canvas, as the backend reports it.
    static void Pointer(int canvas, tk::core::PointerAction action, int x, int y, int buttons = 0) {
        tk::core::CanvasPointerEvent(tk::GadgetHandle(canvas), action, x, y, buttons);
    }
    static tk::Color Pixel(int canvas, int x, int y) {
        return tk::Drawing::OnCanvas(canvas).PixelAt(x, y);
    }
};
