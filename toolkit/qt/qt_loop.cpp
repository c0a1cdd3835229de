// Application object, event pump, timers, screen and pointer.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QSocketNotifier>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::qt {

QtState& QtBackend() {
    static QtState state;
    return state;
}

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
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

}  // namespace tk::backend
