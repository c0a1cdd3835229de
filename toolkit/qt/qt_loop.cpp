// Application object, event pump, timers, screen and pointer.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>

#include <xcb/xcb.h>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::qt {

QtState& QtBackend() {
    static QtState state;
    return state;
}

namespace {

// Qt's own answer to an X server it cannot reach is a message of several
// lines and an abort. Asking first gives one line and an ordinary failure.
void EnsureXServerReachable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform != "xcb" && !platform.startsWith("xcb:")) return;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (reached) return;
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        std::fprintf(stderr,
                     "tintwell: cannot open the X display \"%s\"; is an X server running there?\n",
                     display);
    else
        std::fprintf(stderr, "tintwell: cannot open the X display: DISPLAY is not set\n");
    std::exit(EXIT_FAILURE);
}

}  // namespace
}  // namespace tk::qt

namespace tk::backend {

using namespace tk::qt;

void Init() {
    QtState& st = QtBackend();
    if (st.app) return;
    // One layout pixel is one screen pixel: the window is laid out in pixels.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    // Reading the screen and seeing presses outside the window need X11,
    // so a Wayland session runs us through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    EnsureXServerReachable();
    static int argc = 1;
    static char name[] = "tintwell";
    static char* argv[] = {name, nullptr};
    st.app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Faces the tool asks for by their usual names, mapped to what a Debian
    // desktop has (package fonts-liberation2).
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    st.defaultFont = std::make_unique<QFont>(QApplication::font());
}

void Shutdown() {
    QtState& st = QtBackend();
    X11Close();
    st.timers.clear();
    st.defaultFont.reset();
    st.app.reset();
}

void ProcessEvents(bool wait) {
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

void WakeUp() {
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void StartTimer(NativeHandle window, int timer, int milliseconds) {
    auto& slot = QtBackend().timers[{window, timer}];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        QObject::connect(slot.get(), &QTimer::timeout,
                         [window, timer] { core::TimerEvent(window, timer); });
    }
    slot->start(milliseconds);
}

void StopTimer(NativeHandle window, int timer) {
    QtBackend().timers.erase({window, timer});
}

Size PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->geometry().size();
    return {size.width(), size.height()};
}

int VerticalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 0;
}

Point PointerPosition() {
    Point position;
    if (X11PointerPosition(position)) return position;
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

}  // namespace tk::backend
