// Gadgets by number: creation, the table of generic operations, and the calls
// that every kind of gadget answers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/surface.h"
#include "toolkit/types.h"

namespace tk {

struct Gadget;

// The generic operations of a gadget. A generic call looks the gadget up by
// number and calls the matching entry with the gadget object; an empty entry
// makes the call fall back to the toolkit's default for the gadget's kind.
// Whoever replaces a gadget's table (see SetGadgetOps) should copy the old one
// whole and keep the pointer to it, to forward to it and to restore it.
struct GadgetOps {
    GadgetKind kind = GadgetKind::None;   // the gadget type the table belongs to
    int tableSize = 0;                    // sizeof(GadgetOps) of the toolkit that made it
    int (*release)(Gadget* g) = nullptr;  // the native gadget is being destroyed
    int (*getState)(Gadget* g) = nullptr;
    int (*setState)(Gadget* g, int state) = nullptr;
    std::u16string (*getText)(Gadget* g) = nullptr;
    int (*setText)(Gadget* g, const std::u16string& text) = nullptr;
    int (*resize)(Gadget* g, int x, int y, int width, int height) = nullptr;  // Keep = unchanged
    std::int64_t (*getAttribute)(Gadget* g, int attribute) = nullptr;
    std::int64_t (*setAttribute)(Gadget* g, int attribute, std::int64_t value) = nullptr;
    int (*setColor)(Gadget* g, int slot, Color color) = nullptr;
    Color (*getColor)(Gadget* g, int slot) = nullptr;
    FontHandle (*getFont)(Gadget* g) = nullptr;
    int (*setFont)(Gadget* g, FontHandle font) = nullptr;
    int (*activate)(Gadget* g) = nullptr;  // take the keyboard focus
};

// Pointer state of a canvas, recorded with each of its events.
struct CanvasPointer {
    int x = 0;
    int y = 0;
    int buttons = 0;
    int wheel = 0;
    bool inside = false;    // the pointer was over the canvas at its last event
    bool captured = false;  // a left press holds the pointer for the canvas
};

// One gadget. `handle` and `ops` are what operation tables work with; the
// rest is the toolkit's bookkeeping for the default operations.
struct Gadget {
    NativeHandle handle = 0;
    const GadgetOps* ops = nullptr;
    int number = 0;
    GadgetKind kind = GadgetKind::None;
    int window = 0;           // number of the window it lies in
    NativeHandle parent = 0;  // the window or container canvas it lies in
    Rect rect;                // relative to the parent
    bool hidden = false;
    bool disabled = false;
    std::intptr_t data = 0;
    FontHandle font = 0;
    Color textColor = -1;  // -1: the platform's default
    Color backColor = -1;
    int cursor = ArrowCursor;
    std::unique_ptr<Surface> surface;  // canvases and image gadgets: what they show
    CanvasPointer pointer;             // canvases
};

// Canvas creation flags.
enum CanvasFlags : unsigned {
    CanvasContainer = 1u << 0,  // gadgets created next become its children
};

// Creation. Each returns the native handle when a number was given, the new
// number for AnyNumber, and 0 on failure. A gadget whose number is taken
// replaces the old one, which is released first. New gadgets go into the
// current gadget list: the last window created, or the innermost open
// container canvas.
std::intptr_t NewCanvas(int number, int x, int y, int w, int h, unsigned flags = 0);
std::intptr_t NewStringField(int number, int x, int y, int w, int h, const std::u16string& text);
std::intptr_t NewCheckBox(int number, int x, int y, int w, int h, const std::u16string& text);
std::intptr_t NewText(int number, int x, int y, int w, int h, const std::u16string& text);
std::intptr_t NewImageGadget(int number, int x, int y, int w, int h, ImageHandle image);
// Ends the child list of the innermost open container canvas.
void CloseGadgetList();
// Destroys a gadget (its children first), calling its release entry.
void FreeGadget(int number);

// Lookup.
Gadget* FindGadget(int number);
Gadget* FindGadgetByHandle(NativeHandle handle);
bool IsGadget(int number);
NativeHandle GadgetHandle(int number);
GadgetKind GadgetKindOf(int number);  // None for a missing gadget
// Calls fn(gadget) for every gadget; fn must not create or free gadgets.
template <typename Fn>
void ForEachGadget(Fn fn);

// Replaces a gadget's table; give back the old pointer to restore it.
void SetGadgetOps(Gadget* g, const GadgetOps* ops);
// The table every canvas starts with.
const GadgetOps* CanvasOps();

// Generic operations, through the gadget's table.
int GetGadgetState(int number);
void SetGadgetState(int number, int state);
std::u16string GetGadgetText(int number);
void SetGadgetText(int number, const std::u16string& text);
void ResizeGadget(int number, int x, int y, int w, int h);
std::int64_t GetGadgetAttribute(int number, int attribute);
void SetGadgetAttribute(int number, int attribute, std::int64_t value);
void SetGadgetColor(int number, int slot, Color color);
Color GetGadgetColor(int number, int slot);
FontHandle GetGadgetFont(int number);
void SetGadgetFont(int number, FontHandle font);
void SetActiveGadget(int number);

// Calls every gadget answers the same way.
int GadgetX(int number);
int GadgetY(int number);
int GadgetWidth(int number);
int GadgetHeight(int number);
// The gadget's top-left corner on the screen.
Point GadgetScreenPosition(int number);
void HideGadget(int number, bool hide);
bool IsGadgetHidden(int number);
void DisableGadget(int number, bool disable);
bool IsGadgetDisabled(int number);
void SetGadgetData(int number, std::intptr_t data);
std::intptr_t GetGadgetData(int number);
// Shows an image on an image gadget, or copies it onto a canvas at (0, 0).
void SetGadgetImage(int number, ImageHandle image);
// Selects characters start..end of a string field once the loop next runs,
// not now: a selection made inside a focus event would be undone by the
// click that gave the focus. start is the anchor, end the caret.
void PostFieldSelection(int number, int start, int end);

namespace detail {
// The registry, for the template above and the toolkit's own files.
struct GadgetTable;
GadgetTable& Gadgets();
void ForEachGadgetImpl(void (*fn)(Gadget*, void*), void* context);
// Frees every gadget of a window, children before parents.
void FreeWindowGadgets(int window);
void SetCurrentGadgetList(int window, NativeHandle parent);
}  // namespace detail

template <typename Fn>
void ForEachGadget(Fn fn) {
    detail::ForEachGadgetImpl([](Gadget* g, void* c) { (*static_cast<Fn*>(c))(g); }, &fn);
}

}  // namespace tk
