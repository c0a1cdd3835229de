// The system's colour and font dialogs, modal over the owner window.
#include "toolkit/backend.h"
#include "toolkit/win32/win32_backend.h"

namespace tk::backend {

using namespace tk::win32;

Color ChooseColor(NativeHandle owner, Color initial, CustomColorSet& custom) {
    COLORREF colors[16] = {};
    for (std::size_t i = 0; i < custom.size(); ++i)
        colors[i] = Win32Color(custom[i] < 0 ? 0xFFFFFF : custom[i]);
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Win32Hwnd(owner);
    dialog.rgbResult = Win32Color(initial < 0 ? 0 : initial);
    dialog.lpCustColors = colors;
    dialog.Flags = CC_FULLOPEN | CC_RGBINIT;
    const bool chosen = ChooseColorW(&dialog);
    for (std::size_t i = 0; i < custom.size(); ++i)
        custom[i] = static_cast<Color>(colors[i] & 0xFFFFFF);
    return chosen ? static_cast<Color>(dialog.rgbResult & 0xFFFFFF) : -1;
}

std::optional<FontChoice> ChooseFont(NativeHandle owner, const std::u16string& face, int points) {
    LOGFONTW font{};
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    font.lfHeight = -MulDiv(points, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, Win32Text(face), LF_FACESIZE);
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Win32Hwnd(owner);
    dialog.lpLogFont = &font;
    dialog.iPointSize = points * 10;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontW(&dialog)) return std::nullopt;
    FontChoice choice;
    choice.face = Win32String(font.lfFaceName);
    choice.sizeTenths = dialog.iPointSize;
    choice.weight = font.lfWeight > 0 ? static_cast<int>(font.lfWeight) : 400;
    choice.italic = font.lfItalic != 0;
    choice.underline = font.lfUnderline != 0;
    choice.strikeOut = font.lfStrikeOut != 0;
    return choice;
}

}  // namespace tk::backend
