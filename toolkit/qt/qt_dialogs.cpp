// The colour and font dialogs: Qt's own, modal over the owner window.
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::backend {

using namespace tk::qt;

Color ChooseColor(NativeHandle owner, Color initial, CustomColorSet& custom) {
    for (int i = 0; i < static_cast<int>(custom.size()); ++i)
        QColorDialog::setCustomColor(i, QtColor(custom[i]));
    QColorDialog dialog(QtColor(initial < 0 ? 0 : initial), owner ? QtWidget(owner) : nullptr);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < static_cast<int>(custom.size()); ++i) {
        const QColor c = QColorDialog::customColor(i);
        custom[i] = c.red() | c.green() << 8 | c.blue() << 16;
    }
    if (!accepted) return -1;
    const QColor chosen = dialog.selectedColor();
    return chosen.red() | chosen.green() << 8 | chosen.blue() << 16;
}

std::optional<FontChoice> ChooseFont(NativeHandle owner, const std::u16string& face, int points) {
    QFont initial(QtString(face));
    initial.setPointSize(points);
    // The dialog lists resolved families: seed it with the one the face is.
    initial.setFamily(QFontInfo(initial).family());
    QFontDialog dialog(initial, owner ? QtWidget(owner) : nullptr);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont f = dialog.selectedFont();
    FontChoice choice;
    choice.face = QtText(f.family());
    choice.sizeTenths = static_cast<int>(f.pointSizeF() * 10);
    choice.weight = f.weight();
    choice.italic = f.italic();
    choice.underline = f.underline();
    choice.strikeOut = f.strikeOut();
    return choice;
}

}  // namespace tk::backend
