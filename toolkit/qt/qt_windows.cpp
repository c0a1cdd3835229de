// Top-level windows: frameless QWidgets. A close request from the window
// manager becomes the toolkit's close event; the window itself stays.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::qt {
namespace {

class QtWindow : public QWidget {
  public:
    QtWindow(QWidget* owner, Qt::WindowFlags flags) : QWidget(owner, flags) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        core::CloseRequest(QtHandle(this));
    }
};

xcb_atom_t QtAtom(xcb_connection_t* c, const char* name) {
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return atom;
}

// The window manager's "above" state of a mapped window, asked for the way
// every client does: a _NET_WM_STATE message to the root window.
void QtRequestAbove(QWidget* w, bool above) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;  // not on X11
    xcb_connection_t* c = x11->connection();
    static const xcb_atom_t state = QtAtom(c, "_NET_WM_STATE");
    static const xcb_atom_t aboveAtom = QtAtom(c, "_NET_WM_STATE_ABOVE");
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(w->winId());
    message.type = state;
    message.data.data32[0] = above ? 1 : 0;  // add or remove
    message.data.data32[1] = aboveAtom;
    message.data.data32[3] = 1;  // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

}  // namespace
}  // namespace tk::qt

namespace tk::backend {

using namespace tk::qt;

NativeHandle NewWindow(const Rect& rect, const std::u16string& title, NativeHandle owner,
                       bool withoutFocus) {
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    flags |= withoutFocus ? Qt::Tool | Qt::WindowDoesNotAcceptFocus : Qt::Window;
    auto* w = new QtWindow(owner ? QtWidget(owner) : nullptr, flags);
    w->setAttribute(Qt::WA_ShowWithoutActivating, withoutFocus);
    w->setWindowTitle(QtString(title));
    w->setGeometry(rect.x, rect.y, rect.width, rect.height);
    return QtHandle(w);
}

void DestroyWindow(NativeHandle window) {
    delete QtWidget(window);
}

void ShowWindow(NativeHandle window, bool activate) {
    QWidget* w = QtWidget(window);
    if (!(w->windowFlags() & Qt::WindowDoesNotAcceptFocus))
        w->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    w->show();
    if (activate) {
        w->raise();
        w->activateWindow();
    }
}

void HideWindow(NativeHandle window) {
    QtWidget(window)->hide();
}

bool IsWindowVisible(NativeHandle window) {
    return QtWidget(window)->isVisible();
}

void SetWindowGeometry(NativeHandle window, const Rect& rect) {
    QWidget* w = QtWidget(window);
    w->move(rect.x, rect.y);
    w->resize(rect.width, rect.height);
}

Rect WindowGeometry(NativeHandle window) {
    const QWidget* w = QtWidget(window);
    const QPoint corner = w->frameGeometry().topLeft();
    return {corner.x(), corner.y(), w->width(), w->height()};
}

void SetWindowBackground(NativeHandle window, Color color) {
    QWidget* w = QtWidget(window);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, QtColor(color));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

void SetWindowTopmost(NativeHandle window, bool topmost) {
    QWidget* w = QtWidget(window);
    const Qt::WindowFlags flags = w->windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost);
    // QWidget::setWindowFlags would recreate the native window and hide it.
    // Record the flag on the widget and its platform window, which apply it
    // the next time the window is mapped, and ask the window manager for the
    // change now: Qt does not tell it about a mapped window.
    w->overrideWindowFlags(flags);
    if (QWindow* native = w->windowHandle()) native->setFlags(flags);
    if (w->isVisible()) {
        QtRequestAbove(w, topmost);
        if (topmost) w->raise();
    }
}

}  // namespace tk::backend
