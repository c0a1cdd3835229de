#include "app/field_focus.h"

#include "toolkit/toolkit.h"

void OnFieldFocus() {
    const tk::Event& e = tk::CurrentEvent();
    if (e.type != tk::FocusIn) return;
    const auto count = static_cast<int>(tk::GetGadgetText(e.gadget).size());
    // Posted, not done now: the click that brought the focus would undo it.
    // Anchored at the end, so the caret sits at the start.
    tk::PostFieldSelection(e.gadget, count, 0);
}
