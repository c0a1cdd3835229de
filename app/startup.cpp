#include "app/startup.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "picker/screen_picker.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

namespace {

struct FontRow {
    FontNumber number;
    const char16_t* face;
    int points;
};

constexpr FontRow Fonts[] = {
    {ButtonFont, u"Arial", 11},
    {CodeButtonFont, u"Arial", 10},
    {LabelFont, u"Arial", 8},
    {CaptionFont, u"Arial", 7},
    {TitleFont, u"Microsoft Sans Serif", 12},
    {FooterFont, u"Microsoft Sans Serif", 9},
};

}  // namespace

void LoadFonts() {
    for (const FontRow& f : Fonts)
        tk::LoadFont(f.number, f.face, f.points, tk::FontHighQuality);
}

void RunEventLoop() {
    while (tk::WaitEvent() != tk::EventKind::CloseWindow) {
    }
}

int RunTintwell() {
    tk::Init();
    CreateButtonRegistry();
    FooterText = MakeFooterText(tk::SystemServices().localTime().year);
    LoadFonts();
    if (BuildMainWindow()) {
        // Installed once the window is complete; without it the tool runs on.
        tk::SystemServices().installMouseObserver(PickerMouseHook);
        RunEventLoop();
        tk::SystemServices().removeMouseObserver();
    }
    tk::Shutdown();
    return 0;
}
