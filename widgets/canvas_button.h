// A push button painted on a canvas. The button gives its canvas a table of
// generic operations of its own, so the rest of the tool sets its caption,
// colours and font with the ordinary gadget calls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>

#include "color/color_value.h"
#include "toolkit/toolkit.h"

// Bits of CanvasButton::flags.
enum CanvasButtonFlags : std::uint32_t {
    AlignLeft = 0x100,
    AlignRight = 0x200,
    WordWrap = 0x2000,
    ToggleLook = 0x1003,  // a mask: any of these bits draws a set state pressed
};

// Colour slots, 1-based as the generic colour calls number them. 4 to 6 are
// stored and answered but never drawn.
enum ButtonColorSlot : int {
    NormalText = 1,
    NormalFill = 2,
    NormalBorder = 3,
    HoverText = 7,
    HoverFill = 8,
    HoverBorder = 9,
    PressedText = 10,
    PressedFill = 11,
    PressedBorder = 12,
};

inline constexpr int TextButton = 1;  // the only kind of button there is
inline constexpr int ButtonColorSlots = 12;

struct CanvasButton;
using ButtonHook = int (*)(CanvasButton* button);

struct CanvasButton {
    // First member: the gadget's table pointer points here, so every replaced
    // operation finds its record from the gadget object it is given.
    tk::GadgetOps ops;
    const tk::GadgetOps* originalOps = nullptr;
    std::int32_t gadget = 0;
    tk::Handler eventHandler = nullptr;
    std::int32_t kind = 0;
    std::uint32_t flags = 0;
    std::int32_t state = 0;
    std::u16string caption;
    tk::FontHandle font = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    ColorValue colors[ButtonColorSlots] = {};
    ButtonHook drawHook = nullptr;
    ButtonHook freeHook = nullptr;
    std::int32_t hover = 0;
    std::int32_t pressed = 0;
};
static_assert(std::is_standard_layout_v<CanvasButton>,
              "the record must start at its table for the table pointer to lead to it");

// Records by the canvas's native handle, written in signed decimal.
using ButtonMap = std::unordered_map<std::string, std::unique_ptr<CanvasButton>>;
extern ButtonMap ButtonRegistry;

// Empties the registry and sizes it for the buttons of one window.
void CreateButtonRegistry();
std::string ButtonKey(tk::NativeHandle canvas);
// The record of a gadget, or null when it is not a canvas button.
CanvasButton* FindButton(int gadget);

// Creates the canvas and makes it a button. Returns what creating the canvas
// returned: the native handle for a fixed number, the new number for
// tk::AnyNumber, 0 on failure.
std::intptr_t CreateCanvasButton(int number, int x, int y, int width, int height,
                                 const std::u16string& caption, std::uint32_t flags);
CanvasButton* AttachButton(tk::Gadget* canvas);
int DetachButton(tk::Gadget* canvas);

// The nine drawn colours in slot order 1, 2, 3, 7, 8, 9, 10, 11, 12.
int SetButtonColors(int gadget, ColorValue normalText, ColorValue normalFill,
                    ColorValue normalBorder, ColorValue hoverText, ColorValue hoverFill,
                    ColorValue hoverBorder, ColorValue pressedText, ColorValue pressedFill,
                    ColorValue pressedBorder);
