// Preloaded into the tool (LD_PRELOAD) to give it a server without XInput 2:
// libXi's version query answers as it does where the server lacks the
// extension. Qt talks to the server through xcb and is not affected.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

extern "C" Status XIQueryVersion(Display*, int* major, int* minor) {
    *major = 0;
    *minor = 0;
    return BadRequest;
}
