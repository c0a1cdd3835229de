// The string fields select their whole text whenever they get the focus.
#pragma once

void OnFieldFocus();
