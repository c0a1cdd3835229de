// Private to the Qt backend: its one state struct and small conversions.
//
// The backend implements toolkit/backend.h with Qt 6 Widgets on X11:
//   [x] loop: QApplication, processEvents, a wake-up through the dispatcher
//   [x] windows: frameless QWidgets; ownership as Qt parent (transient for)
//   [x] gadgets: QtCanvas (QWidget over a pixel buffer), QLineEdit, QCheckBox,
//       QLabel, QtImageView
//   [x] fonts: QFont by pixel size; text drawn with QPainter into the buffer
//   [x] timers: one QTimer per (window, timer number)
//   [x] pointer: XQueryPointer on the second X connection, QCursor off X11
//   [x] screen: XGetImage and XInput 2 raw presses on a second X connection
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "toolkit/types.h"

#include "toolkit/mouse_observer.h"

class QApplication;
class QSocketNotifier;
struct _XDisplay;  // Xlib's display; its header stays out of Qt code

namespace tk::qt {

struct QtState {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QFont> defaultFont;
    std::map<std::pair<NativeHandle, int>, std::unique_ptr<QTimer>> timers;
    // A connection of our own to the X server, for reading the screen and
    // watching presses anywhere; opened on first use, null off X11.
    _XDisplay* x11 = nullptr;
    bool x11Tried = false;
    int xinputOpcode = -1;
    MouseObserver observer = nullptr;
    std::unique_ptr<QSocketNotifier> observerNotifier;
};

// Closes our own X connection (at shutdown).
void X11Close();
// The pointer's place on the screen read over our own X connection, which
// the picker's ticks already use: one thread and no wake-up of Qt's event
// reader. False off X11.
bool X11PointerPosition(Point& position);

QtState& QtBackend();

inline QString QtString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string QtText(const QString& text) {
    return text.toStdU16String();
}

inline QColor QtColor(Color c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

inline QWidget* QtWidget(NativeHandle handle) {
    return reinterpret_cast<QWidget*>(handle);
}

inline NativeHandle QtHandle(const QWidget* widget) {
    return reinterpret_cast<NativeHandle>(widget);
}

inline const QFont& QtFont(FontHandle font) {
    return *reinterpret_cast<const QFont*>(font);
}

}  // namespace tk::qt
