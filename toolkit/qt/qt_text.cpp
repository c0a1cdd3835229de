// Fonts and text drawn into a toolkit pixel buffer.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "toolkit/backend.h"
#include "toolkit/qt/qt_backend.h"

namespace tk::backend {

using namespace tk::qt;

FontHandle NewFont(const std::u16string& face, int pixelHeight, unsigned flags) {
    if (pixelHeight < 1) pixelHeight = 1;
    auto* font = new QFont(QtString(face));
    font->setPixelSize(pixelHeight);
    font->setBold(flags & FontBold);
    font->setItalic(flags & FontItalic);
    font->setUnderline(flags & FontUnderline);
    font->setStrikeOut(flags & FontStrikeOut);
    if (flags & FontHighQuality) font->setStyleStrategy(QFont::PreferQuality);
    return reinterpret_cast<FontHandle>(font);
}

void FreeFont(FontHandle font) {
    delete reinterpret_cast<QFont*>(font);
}

FontHandle DefaultFont() {
    return reinterpret_cast<FontHandle>(QtBackend().defaultFont.get());
}

Size MeasureText(FontHandle font, const std::u16string& text) {
    const QFontMetrics metrics(QtFont(font));
    return {metrics.horizontalAdvance(QtString(text)), metrics.height()};
}

void DrawText(Surface& surface, FontHandle font, int x, int y, const std::u16string& text,
              Color front, Color back, bool opaque) {
    if (surface.width == 0 || surface.height == 0) return;
    QImage image(reinterpret_cast<uchar*>(surface.pixels.data()), surface.width, surface.height,
                 surface.width * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(QtFont(font));
    const QFontMetrics metrics(QtFont(font));
    const QString line = QtString(text);
    if (opaque)
        painter.fillRect(x, y, metrics.horizontalAdvance(line), metrics.height(), QtColor(back));
    painter.setPen(QtColor(front));
    painter.drawText(x, y + metrics.ascent(), line);
}

}  // namespace tk::backend
