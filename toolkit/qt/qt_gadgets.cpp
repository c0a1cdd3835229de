// Child gadgets: the canvas over a pixel buffer, string fields, check boxes,
// texts and image views. Each widget reports to the core only what the
// toolkit turns into events; enter, leave and capture are decided there.
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::qt {
namespace {

using core::PointerAction;

QImage QtImageOf(const Surface& s) {
    return QImage(reinterpret_cast<const uchar*>(s.pixels.data()), s.width, s.height, s.width * 4,
                  QImage::Format_RGB32);
}

int QtButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? LeftButtonBit : 0) |
           (buttons & Qt::RightButton ? RightButtonBit : 0) |
           (buttons & Qt::MiddleButton ? MiddleButtonBit : 0);
}

// Shows a pixel buffer owned by the core.
class QtPictureView : public QWidget {
  public:
    using QWidget::QWidget;
    void SetSurface(const Surface* surface) {
        surface_ = surface;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!surface_ || surface_->width == 0) return;
        QPainter painter(this);
        painter.drawImage(0, 0, QtImageOf(*surface_));
    }

  private:
    const Surface* surface_ = nullptr;
};

class QtCanvas : public QtPictureView {
  public:
    explicit QtCanvas(QWidget* parent) : QtPictureView(parent) {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
        setAutoFillBackground(false);
    }

  protected:
    void mouseMoveEvent(QMouseEvent* e) override { Report(PointerAction::Move, e); }
    void mousePressEvent(QMouseEvent* e) override {
        Report(Pick(e->button(), PointerAction::LeftDown, PointerAction::RightDown,
                    PointerAction::MiddleDown),
               e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        Report(Pick(e->button(), PointerAction::LeftUp, PointerAction::RightUp,
                    PointerAction::MiddleUp),
               e);
    }
    // The second press of a double-click arrives here instead of as a press.
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        Report(Pick(e->button(), PointerAction::LeftDouble, PointerAction::RightDouble,
                    PointerAction::MiddleDown),
               e);
    }
    void wheelEvent(QWheelEvent* e) override {
        const QPoint p = e->position().toPoint();
        core::CanvasPointerEvent(QtHandle(this), PointerAction::Wheel, p.x(), p.y(),
                                 QtButtons(e->buttons()), e->angleDelta().y() / 120);
    }
    void leaveEvent(QEvent*) override {
        const QPoint p = mapFromGlobal(QCursor::pos());
        core::CanvasPointerEvent(QtHandle(this), PointerAction::Leave, p.x(), p.y(),
                                 QtButtons(QGuiApplication::mouseButtons()));
    }

  private:
    static PointerAction Pick(Qt::MouseButton b, PointerAction left, PointerAction right,
                              PointerAction middle) {
        return b == Qt::RightButton ? right : b == Qt::MiddleButton ? middle : left;
    }
    void Report(PointerAction action, QMouseEvent* e) {
        if (e->button() != Qt::NoButton && e->button() != Qt::LeftButton &&
            e->button() != Qt::RightButton && e->button() != Qt::MiddleButton)
            return;  // extra buttons are not ours to report
        const QPoint p = e->position().toPoint();
        core::CanvasPointerEvent(QtHandle(this), action, p.x(), p.y(), QtButtons(e->buttons()));
    }
};

class QtStringField : public QLineEdit {
  public:
    explicit QtStringField(QWidget* parent) : QLineEdit(parent) {
        setFrame(false);
        QObject::connect(this, &QLineEdit::textEdited,
                         [this] { core::GadgetEvent(QtHandle(this), TextChange); });
    }

  protected:
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        core::GadgetEvent(QtHandle(this), FocusIn);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        core::GadgetEvent(QtHandle(this), FocusOut);
    }
};

QWidget* NewCheckBox(QWidget* parent, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    // clicked, not toggled: only the user's changes raise an event.
    QObject::connect(box, &QCheckBox::clicked,
                     [box] { core::GadgetEvent(QtHandle(box), CheckChange); });
    return box;
}

}  // namespace
}  // namespace tk::qt

namespace tk::backend {

using namespace tk::qt;

NativeHandle NewGadget(GadgetKind kind, NativeHandle parent, const Rect& rect,
                       const std::u16string& text) {
    QWidget* p = QtWidget(parent);
    QWidget* w = nullptr;
    switch (kind) {
        case GadgetKind::Canvas:
            w = new QtCanvas(p);
            break;
        case GadgetKind::StringField: {
            auto* field = new QtStringField(p);
            field->setText(QtString(text));
            w = field;
            break;
        }
        case GadgetKind::CheckBox:
            w = NewCheckBox(p, QtString(text));
            break;
        case GadgetKind::Text:
            w = new QLabel(QtString(text), p);
            break;
        case GadgetKind::Image:
            w = new QtPictureView(p);
            break;
        case GadgetKind::None:
            return 0;
    }
    w->setGeometry(rect.x, rect.y, rect.width, rect.height);
    w->show();  // shown with its window
    return QtHandle(w);
}

void DestroyGadget(NativeHandle gadget) {
    delete QtWidget(gadget);
}

void SetGadgetGeometry(NativeHandle gadget, const Rect& rect) {
    QtWidget(gadget)->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

void SetGadgetVisible(NativeHandle gadget, bool visible) {
    QtWidget(gadget)->setVisible(visible);
}

void SetGadgetEnabled(NativeHandle gadget, bool enabled) {
    QtWidget(gadget)->setEnabled(enabled);
}

void SetGadgetText(NativeHandle gadget, const std::u16string& text) {
    QWidget* w = QtWidget(gadget);
    if (auto* field = qobject_cast<QLineEdit*>(w))
        field->setText(QtString(text));
    else if (auto* box = qobject_cast<QCheckBox*>(w))
        box->setText(QtString(text));
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(QtString(text));
}

std::u16string GadgetText(NativeHandle gadget) {
    QWidget* w = QtWidget(gadget);
    if (auto* field = qobject_cast<QLineEdit*>(w)) return QtText(field->text());
    if (auto* box = qobject_cast<QCheckBox*>(w)) return QtText(box->text());
    if (auto* label = qobject_cast<QLabel*>(w)) return QtText(label->text());
    return {};
}

void SetGadgetFont(NativeHandle gadget, FontHandle font) {
    QtWidget(gadget)->setFont(QtFont(font));
}

void SetGadgetColors(NativeHandle gadget, Color text, Color back) {
    QWidget* w = QtWidget(gadget);
    QPalette palette = QApplication::palette(w);
    if (text >= 0)
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(role, QtColor(text));
    if (back >= 0)
        for (auto role : {QPalette::Base, QPalette::Window})
            palette.setColor(role, QtColor(back));
    w->setPalette(palette);
    w->setAutoFillBackground(back >= 0);
}

void FocusGadget(NativeHandle gadget) {
    QWidget* w = QtWidget(gadget);
    w->setFocus(Qt::OtherFocusReason);
    // A hidden gadget cannot hold the focus; taking it still means that no
    // other gadget of the window keeps it.
    if (!w->hasFocus()) {
        QWidget* current = w->window()->focusWidget();
        if (current && current != w) current->clearFocus();
    }
}

void SetChecked(NativeHandle gadget, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(QtWidget(gadget))) box->setChecked(checked);
}

bool IsChecked(NativeHandle gadget) {
    auto* box = qobject_cast<QCheckBox*>(QtWidget(gadget));
    return box && box->isChecked();
}

void SetCanvasCursor(NativeHandle canvas, CursorShape shape) {
    QtWidget(canvas)->setCursor(shape == IBeamCursor ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void PresentCanvas(NativeHandle canvas, const Surface& surface) {
    static_cast<QtPictureView*>(QtWidget(canvas))->SetSurface(&surface);
}

void ShowImage(NativeHandle gadget, const Surface* image) {
    static_cast<QtPictureView*>(QtWidget(gadget))->SetSurface(image);
}

void PostFieldSelection(NativeHandle field, int start, int end) {
    QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(QtWidget(field));
    if (!edit) return;
    QMetaObject::invokeMethod(
        edit,
        [edit, start, end] {
            if (edit) edit->setSelection(start, end - start);
        },
        Qt::QueuedConnection);
}

}  // namespace tk::backend
