// The strip under the title bar folds the comparison panel away and back.
#pragma once

void OnCollapseToggle();
// Places the panels below the comparison panel from `top` down, each right
// below the one before, and fits the window's height to them.
void StackPanels(int top);
