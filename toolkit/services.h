// System services that tests must be able to replace, one seam each. The
// toolkit fills them with the real services; an in-process test assigns its
// own and puts the old ones back (ScopedServices does both).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "toolkit/dialogs.h"
#include "toolkit/mouse_observer.h"
#include "toolkit/surface.h"
#include "toolkit/types.h"

namespace tk {

struct LocalTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct Services {
    std::function<LocalTime()> localTime;
    std::function<int()> randomByte;  // uniform over 0-255
    // The user's roaming application-data folder as the system names it, or
    // the empty text when it cannot be told.
    std::function<std::u16string()> appDataFolder;
    // Asks the system's default handler to open an address; no result.
    std::function<void(const std::u16string&)> openAddress;
    // The pointer's position on the screen, read now.
    std::function<Point()> pointerPosition;
    // The colour of one screen pixel, -1 when it cannot be read.
    std::function<Color(int x, int y)> screenPixel;
    // A copy of a screen rectangle; what lies outside the screen is black.
    std::function<Surface(const Rect& area)> grabScreen;
    // Watches left and middle presses anywhere on the screen, one observer at
    // a time; false when the platform cannot (the tool runs on without).
    std::function<bool(MouseObserver observer)> installMouseObserver;
    std::function<void()> removeMouseObserver;
    // The modal colour dialog owned by the window, with the initial colour
    // selected and the custom colours shown and read back: the chosen colour,
    // or -1 when it is cancelled or closed.
    std::function<Color(NativeHandle owner, Color initial, CustomColorSet& custom)> chooseColor;
    // The modal font dialog owned by the window, set to the face at the size
    // with no style and offering underline and strike-out: the choice, or
    // nothing when it is cancelled or closed.
    std::function<std::optional<FontChoice>(NativeHandle owner, const std::u16string& face,
                                            int points)>
        chooseFont;
};

Services& SystemServices();

// Puts the services back as they were when it was made.
class ScopedServices {
  public:
    ScopedServices() : saved_(SystemServices()) {}
    ~ScopedServices() { SystemServices() = saved_; }
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

  private:
    Services saved_;
};

// The separator of folder names in paths on this system.
char16_t PathSeparator();
// The folder that holds the running executable, with no separator at the end.
std::u16string ExecutableFolder();

}  // namespace tk
