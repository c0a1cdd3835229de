#include "app/collapse_strip.h"

#include "app/ids.h"
#include "toolkit/toolkit.h"

void StackPanels(int top) {
    tk::ResizeGadget(WebPanel, tk::Keep, top, tk::Keep, tk::Keep);
    int above = WebPanel;
    for (int gadget : {PbPanel, PickerPanel, Footer}) {
        tk::ResizeGadget(gadget, tk::Keep, tk::GadgetY(above) + tk::GadgetHeight(above), tk::Keep,
                         tk::Keep);
        above = gadget;
    }
    // The top edge stays; the bottom edge follows the footer.
    tk::ResizeWindow(MainWindow, tk::Keep, tk::Keep, tk::Keep,
                     tk::GadgetY(Footer) + tk::GadgetHeight(Footer) + 1);
}

void OnCollapseToggle() {
    if (tk::CurrentEvent().type != tk::LeftButtonDown) return;
    const bool fold = tk::GetGadgetData(CollapseToggle) == 0;
    tk::SetGadgetData(CollapseToggle, fold ? 1 : 0);
    tk::HideGadget(ComparePanel, fold);
    StackPanels(fold ? tk::GadgetY(ComparePanel)
                     : tk::GadgetY(ComparePanel) + tk::GadgetHeight(ComparePanel));
    tk::SetGadgetImage(CollapseToggle, tk::ImageID(fold ? FoldedArrowImage : OpenArrowImage));
}
