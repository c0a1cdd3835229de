// System services that tests must be able to replace, one seam each. The
// toolkit fills them with the real services; an in-process test assigns its
// own and puts the old ones back.
#pragma once

#include <functional>

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
};

Services& SystemServices();

}  // namespace tk
