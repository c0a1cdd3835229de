// Top-level windows: frameless QWidgets. A close request from the window
// manager becomes the toolkit's close event; the window itself stays.
#include <QCloseEvent>
#include <QWindow>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::qt {
namespace {

class QtWindow : public QWidget {
  public:
    explicit QtWindow(QWidget* owner) : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {}

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        core::CloseRequest(QtHandle(this));
    }
};

}  // namespace
}  // namespace tk::qt

namespace tk::backend {

using namespace tk::qt;

NativeHandle NewWindow(const Rect& rect, const std::u16string& title, NativeHandle owner) {
    auto* w = new QtWindow(owner ? QtWidget(owner) : nullptr);
    w->setWindowTitle(QtString(title));
    w->setGeometry(rect.x, rect.y, rect.width, rect.height);
    return QtHandle(w);
}

void DestroyWindow(NativeHandle window) {
    delete QtWidget(window);
}

void ShowWindow(NativeHandle window, bool activate) {
    QWidget* w = QtWidget(window);
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
    // QWidget::setWindowFlags would recreate the native window and hide it;
    // record the flag on the widget and hand it to the platform window only,
    // which updates the window manager state of a mapped window in place.
    w->overrideWindowFlags(flags);
    if (QWindow* native = w->windowHandle()) native->setFlags(flags);
}

}  // namespace tk::backend
