// Times the tool's busiest handlers in-process on the real X display in
// $DISPLAY, with the real services: the picker's tick (without and with the
// magnifier), one theme toggle (ApplyTheme, which hides and shows the window)
// and a converter click up to the repainted button. Each figure covers the
// handler and the handling of every event it leaves behind, as the loop
// would do it next.
//
//   tintwell-bench [rounds-scale]
//
// Prints one line per figure: name median_us=<float> p99_us=<float> runs=<int>.
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/ids.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "picker/screen_picker.h"
#include "theme/apply_theme.h"
#include "theme/palette.h"
#include "toolkit/backend.h"
#include "toolkit/toolkit.h"
#include "widgets/canvas_button.h"

namespace {

using Clock = std::chrono::steady_clock;
using tk::core::PointerAction;

void HandlePendingEvents() {
    tk::detail::DispatchPostedEvents();
    QCoreApplication::processEvents();
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

// Runs `step` warmUp times untimed, then `runs` times timed.
void Measure(const char* name, int warmUp, int runs, const std::function<void(int)>& step) {
    for (int i = 0; i < warmUp; ++i)
        step(i);
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        step(i);
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf("%s median_us=%.1f p99_us=%.1f runs=%d\n", name, Quantile(micros, 0.5),
                Quantile(micros, 0.99), runs);
    std::fflush(stdout);
}

void Click(int button) {
    const tk::NativeHandle handle = tk::GadgetHandle(button);
    tk::core::CanvasPointerEvent(handle, PointerAction::Move, 20, 10, 0);
    tk::core::CanvasPointerEvent(handle, PointerAction::LeftDown, 20, 10, tk::LeftButtonBit);
    tk::core::CanvasPointerEvent(handle, PointerAction::LeftUp, 20, 10, 0);
}

}  // namespace

int main(int argc, char** argv) {
    const int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    tk::Init();
    CreateButtonRegistry();
    FooterText = MakeFooterText(tk::SystemServices().localTime().year);
    LoadFonts();
    if (!BuildMainWindow()) return 1;
    // Until the window is mapped and painted.
    const auto settle = Clock::now() + std::chrono::milliseconds(500);
    while (Clock::now() < settle)
        HandlePendingEvents();

    // The picker armed with the pointer still: each tick samples the same pixel.
    tk::SetGadgetState(PickerCheck, 1);
    Measure("tick", 200, 2000 * scale, [](int) {
        OnPickerTick();
        HandlePendingEvents();
    });
    PickerMouseHook({tk::ObservedButton::Middle, true, {0, 0}});
    if (!tk::IsWindowVisible(MagnifierWindow)) {
        std::fprintf(stderr, "tintwell-bench: the magnifier did not show\n");
        return 1;
    }
    Measure("tick_magnifier", 200, 2000 * scale, [](int) {
        OnPickerTick();
        HandlePendingEvents();
    });
    PickerMouseHook({tk::ObservedButton::Middle, true, {0, 0}});
    tk::SetGadgetState(PickerCheck, 0);
    HandlePendingEvents();

    Measure("theme_toggle", 4, 60 * scale, [](int) {
        CurrentTheme = CurrentTheme == 0 ? 1 : 0;
        ApplyTheme(CurrentTheme);
        HandlePendingEvents();
    });

    // Alternately "#1A2B3C" and "rgba(26,43,60,1.0)": every click converts.
    tk::SetGadgetText(WebInputField, u"#1A2B3C");
    Measure("convert_click", 20, 500 * scale, [](int) {
        Click(WebConvertButton);
        HandlePendingEvents();
    });
    if (tk::GetGadgetText(WebInputField) != u"#1A2B3C" &&
        tk::GetGadgetText(WebInputField) != u"rgba(26,43,60,1.0)") {
        std::fprintf(stderr, "tintwell-bench: the converter did not convert\n");
        return 1;
    }

    tk::CloseWindow(MainWindow);
    tk::Shutdown();
    return 0;
}
