// The three busiest paths run many times over, fast, on the offscreen
// platform: picker ticks with the magnifier up, theme toggles and
// conversions. Whatever they create must be freed again: the live images,
// fonts, gadgets, windows and Qt objects stay as many as before, and the heap
// does not grow. Under AddressSanitizer, LeakSanitizer looks for leaks when
// the program ends (a check in between would count a block fontconfig keeps
// out of its sight), and the picker runs fewer ticks: each costs far more.
#include <malloc.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWindow>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "color/code_forms.h"
#include "picker/screen_picker.h"
#include "tests/app/main_window_fixture.h"
#include "theme/theme_file.h"

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
constexpr bool UnderAsan = true;
#else
constexpr bool UnderAsan = false;
#endif

namespace {

using tk::core::PointerAction;

constexpr int PickerTicks = UnderAsan ? 10'000 : 100'000;
constexpr int ThemeToggles = 2'000;
constexpr int Conversions = 10'000;
// What the heap may grow by in a quarter of a run: a leak of 150 bytes a
// round adds more than this to every quarter of even the shortest run.
constexpr std::size_t HeapSlack = 64 * 1024;

struct LiveCounts {
    int images = 0;
    int fonts = 0;
    int gadgets = 0;
    int windows = 0;
    int widgets = 0;
    int nativeWindows = 0;
    int qtObjects = 0;
    bool operator==(const LiveCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const LiveCounts& c) {
    return out << "images " << c.images << ", fonts " << c.fonts << ", gadgets " << c.gadgets
               << ", windows " << c.windows << ", widgets " << c.widgets << ", native windows "
               << c.nativeWindows << ", Qt objects " << c.qtObjects;
}

int ObjectsUnder(const QObject* object) {
    int n = 1;
    for (const QObject* child : object->children())
        n += ObjectsUnder(child);
    return n;
}

LiveCounts Count() {
    LiveCounts c;
    c.images = tk::ImageCount();
    c.fonts = tk::FontCount();
    tk::ForEachGadget([&c](tk::Gadget*) { ++c.gadgets; });
    for (int n : {MainWindow, DialogAnchorWindow, MagnifierWindow})
        c.windows += tk::IsWindow(n);
    c.widgets = static_cast<int>(QApplication::allWidgets().size());
    c.nativeWindows = static_cast<int>(QGuiApplication::allWindows().size());
    c.qtObjects = ObjectsUnder(QCoreApplication::instance());
    for (const QWidget* top : QApplication::topLevelWidgets())
        c.qtObjects += ObjectsUnder(top);
    return c;
}

std::size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// Handles the events waiting in both queues, as the loop does before it
// waits again.
void Settle() {
    tk::detail::DispatchPostedEvents();
    QCoreApplication::processEvents();
}

class EnduranceTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        Settle();
    }

    // Runs `round` rounds times, each followed by the handling of the events
    // it left, as the loop would between two user actions or timer ticks.
    // The first quarter fills caches; the live counts after it must hold to
    // the end. The heap is read at the end of each later quarter: a leak
    // makes it grow in all three, while Qt's caches (fonts, glyphs, expired
    // on timers) may jump once, so the smallest of the three growths counts.
    template <typename Round>
    void ExpectSteady(int rounds, Round round) {
        const int quarter = rounds / 4;
        int i = 0;
        auto runTo = [&](int end) {
            for (; i < end; ++i) {
                round(i);
                Settle();
            }
            return HeapInUse();
        };
        std::size_t heap = runTo(quarter);
        const LiveCounts before = Count();
        std::size_t leastGrowth = SIZE_MAX;
        for (int end : {2 * quarter, 3 * quarter, rounds}) {
            const std::size_t next = runTo(end);
            leastGrowth = std::min(leastGrowth, next > heap ? next - heap : 0);
            heap = next;
        }
        EXPECT_EQ(Count(), before);
        EXPECT_LE(leastGrowth, HeapSlack)
            << "the heap grew by at least " << leastGrowth << " bytes in each quarter";
    }

    static void Click(int button) {
        Pointer(button, PointerAction::Move, 20, 10);
        Pointer(button, PointerAction::LeftDown, 20, 10, tk::LeftButtonBit);
        Pointer(button, PointerAction::LeftUp, 20, 10);
    }
};

// Every pixel a colour of its place and of the tick, so that each tick
// writes the field, fills the swatch and draws a new magnified picture.
ColorValue FakePixel(int x, int y, int tick) {
    return MakeColor((x + tick) & 0xFF, (y * 3) & 0xFF, (tick >> 8) & 0xFF);
}

TEST_F(EnduranceTest, PickerTicksWithTheMagnifierShowing) {
    tk::ScopedServices services;
    int tick = 0;
    auto& s = tk::SystemServices();
    s.pointerPosition = [&tick] { return tk::Point{300 + tick % 97, 200 + tick % 89}; };
    s.screenPixel = [&tick](int x, int y) { return FakePixel(x, y, tick); };
    s.grabScreen = [&tick](const tk::Rect& r) {
        tk::Surface picture(r.width, r.height, 0);
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                picture.pixels[std::size_t(y) * r.width + x] =
                    tk::PixelFromColor(FakePixel(r.x + x, r.y + y, tick));
        return picture;
    };
    static_cast<QAbstractButton*>(Widget(tk::GadgetHandle(PickerCheck)))->click();
    PickerMouseHook({tk::ObservedButton::Middle, true, {5, 5}});
    ASSERT_TRUE(tk::IsWindowVisible(MagnifierWindow));

    ExpectSteady(PickerTicks, [&tick](int i) {
        tick = i;
        OnPickerTick();
    });

    // The last tick's work is what shows.
    const tk::Point p = s.pointerPosition();
    EXPECT_EQ(LastSampledColor, FakePixel(p.x, p.y, tick));
    EXPECT_EQ(tk::GetGadgetText(PickField),
              FormatRgbCode(RedOf(LastSampledColor), GreenOf(LastSampledColor),
                            BlueOf(LastSampledColor)));
    const tk::Surface* picture = tk::FindGadget(MagnifierImage)->surface.get();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(tk::PixelAt(*picture, 0, 0), FakePixel(p.x - 12, p.y - 12, tick));
    EXPECT_TRUE(tk::IsWindowVisible(MagnifierWindow));
}

TEST_F(EnduranceTest, ThemeToggles) {
    ExpectSteady(ThemeToggles, [](int) {
        Pointer(TitleBar, PointerAction::RightDown, 50, 10, tk::RightButtonBit);
        Pointer(TitleBar, PointerAction::RightUp, 50, 10);
    });
    EXPECT_EQ(CurrentTheme, ThemeToggles % 2);
    EXPECT_EQ(LoadThemeFile(), ThemeToggles % 2);
    EXPECT_EQ(Pixel(TitleBar, 2, 2), Palette.TitleBackColor);
    EXPECT_TRUE(tk::IsWindowVisible(MainWindow));
}

TEST_F(EnduranceTest, ConversionsOnAllFiveButtons) {
    tk::SetGadgetText(WebInputField, u"#1A2B3C");
    ExpectSteady(Conversions, [](int i) {
        switch (i % 5) {
            case 0:  // there and back: "#1A2B3C" and "rgba(26,43,60,1.0)" in turn
                Click(WebConvertButton);
                break;
            case 1:
                tk::SetGadgetText(PbInputField, u"$3C2B1A");
                Click(PbConvertButton);
                break;
            case 2:
                tk::SetGadgetText(PickField, u"rgb(26,43,60)");
                Click(PickWebButton);
                break;
            case 3:
                Click(PickPbButton);  // the web code just written, reordered
                break;
            case 4:
                Click(PickRgbButton);
                break;
        }
    });
    // 2,000 web conversions, an even number: back where it started.
    EXPECT_EQ(tk::GetGadgetText(WebInputField), u"#1A2B3C");
    EXPECT_EQ(tk::GetGadgetText(PbInputField), u"rgb( 26, 43, 60)");
    EXPECT_EQ(tk::GetGadgetText(PickField), u"rgb( 26, 43, 60)");  // "#", "$", then "rgb"
    EXPECT_EQ(tk::GetGadgetColor(WebConvertButton, NormalFill), MakeColor(26, 43, 60));
}

}  // namespace
