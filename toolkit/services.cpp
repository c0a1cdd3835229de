#include "toolkit/services.h"

#include <ctime>
#include <random>

#include "toolkit/backend.h"

namespace tk {

namespace {

LocalTime ClockNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* t = std::localtime(&now);  // one thread: the static result is safe
    if (!t) return {};
    return {t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec};
}

int UniformByte() {
    static std::mt19937 engine{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, 255)(engine);
}

}  // namespace

Services& SystemServices() {
    static Services services{ClockNow,
                             UniformByte,
                             backend::AppDataFolder,
                             backend::OpenAddress,
                             backend::PointerPosition,
                             backend::ScreenPixel,
                             backend::GrabScreen,
                             backend::InstallMouseObserver,
                             backend::RemoveMouseObserver,
                             backend::ChooseColor,
                             backend::ChooseFont};
    return services;
}

char16_t PathSeparator() {
    return backend::PathSeparator();
}

std::u16string ExecutableFolder() {
    return backend::ExecutableFolder();
}

}  // namespace tk
