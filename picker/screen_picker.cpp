#include "picker/screen_picker.h"

#include "app/ids.h"
#include "color/code_forms.h"

namespace {

constexpr int TickMilliseconds = 50;
// Places the 202-pixel magnifier centred over the 416-pixel window, where the
// two panels it hides stand.
constexpr int MagnifierLeft = 107;
constexpr int MagnifierBelowWebPanel = 18;

std::u16string RgbCodeOf(ColorValue c) {
    return FormatRgbCode(RedOf(c), GreenOf(c), BlueOf(c));
}

void ShowConverterPanels(bool show) {
    tk::HideGadget(WebPanel, !show);
    tk::HideGadget(PbPanel, !show);
}

void HideMagnifier() {
    tk::HideWindow(MagnifierWindow);
    ShowConverterPanels(true);
}

void ShowMagnifier() {
    tk::ResizeWindow(MagnifierWindow, tk::WindowX(MainWindow) + MagnifierLeft,
                     tk::WindowY(MainWindow) + tk::GadgetY(WebPanel) + MagnifierBelowWebPanel,
                     tk::Keep, tk::Keep);
    tk::ShowWindow(MagnifierWindow, false);
    ShowConverterPanels(false);
}

bool Armed() {
    return tk::GetGadgetState(PickerCheck) != 0;
}

}  // namespace

void OnPickerCheck() {
    if (Armed()) {
        tk::AddWindowTimer(MainWindow, PickerTimer, TickMilliseconds);
    } else {
        tk::RemoveWindowTimer(MainWindow, PickerTimer);
        HideMagnifier();
    }
}

void OnPickerTick() {
    // One reading of the pointer serves both: each costs a round trip to the
    // X server, and the picture and the colour then show the same moment.
    const tk::Point p = tk::PointerPosition();
    if (tk::IsWindowVisible(MagnifierWindow))
        tk::SetGadgetImage(MagnifierImage,
                           CaptureMagnified(MagnifierBitmap, p.x - 12, p.y - 12, 200, 200, 8));
    const ColorValue c = tk::SystemServices().screenPixel(p.x, p.y);
    if (c == LastSampledColor) return;
    LastSampledColor = c;
    tk::SetGadgetText(PickField, RgbCodeOf(c));
    tk::Drawing swatch = tk::Drawing::OnCanvas(PickSwatch);
    if (swatch) swatch.Fill(1, 1, swatch.Width() - 2, swatch.Height() - 2, c);
}

ColorValue SampleCursorPixel() {
    const tk::Point p = tk::PointerPosition();
    return tk::SystemServices().screenPixel(p.x, p.y);
}

tk::ImageHandle CaptureMagnified(int image, int left, int top, int width, int height, int factor) {
    tk::FreeImage(image);
    tk::NewImage(image, width, height);
    if (factor < 1) return tk::ImageID(image);
    // Only the source pixels that land inside the image are read.
    const tk::Surface source = tk::SystemServices().grabScreen(
        {left, top, (width + factor - 1) / factor, (height + factor - 1) / factor});
    if (tk::Surface* picture = tk::ImageSurface(tk::ImageID(image))) {
        tk::EnlargeNearest(*picture, source, factor);
        tk::OutlineRect(*picture, width / 2 - 4, height / 2 - 4, 8, 8, MakeColor(0, 0, 0));
        tk::OutlineRect(*picture, width / 2 - 5, height / 2 - 5, 10, 10, MakeColor(255, 255, 255));
    }
    return tk::ImageID(image);
}

void PickerMouseHook(const tk::MousePress& press) {
    if (press.button == tk::ObservedButton::Middle && Armed()) {
        if (tk::IsWindowVisible(MagnifierWindow))
            HideMagnifier();
        else
            ShowMagnifier();
    }
    if (press.button == tk::ObservedButton::Left && Armed()) {
        tk::RemoveWindowTimer(MainWindow, PickerTimer);
        HideMagnifier();
        const ColorValue c =
            press.hasPosition ? tk::SystemServices().screenPixel(press.position.x, press.position.y)
                              : 0;
        tk::SetGadgetState(PickerCheck, 0);  // raises no event
        tk::SetGadgetText(PickField, RgbCodeOf(c));
    }
}
