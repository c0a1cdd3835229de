// The "$" and "#" buttons beside the chosen colours' hex fields.
#pragma once

// All four buttons: on a press, the chosen colour's PureBasic or web code
// into the hex field beside it; nothing while no colour is chosen.
void OnCodeButton();
