#include "toolkit/Graphics.h"

#include "toolkit/Picture.h"

#include <QPainter>

namespace tk {

Graphics::Graphics(Picture& target) : target_(&target), width_(target.Width()), height_(target.Height()) {}

Graphics::Graphics(QPainter& painter, int width, int height) : painter_(&painter), width_(width), height_(height) {}

template <class F> void Graphics::paint(F&& draw) {
    if (painter_) {
        draw(*painter_);
    } else {
        QPainter painter(&deref(target_).mutableImage());
        draw(painter);
    }
}

void Graphics::FillRect(int x, int y, int width, int height) {
    paint([&](QPainter& p) {
        p.fillRect(QRect(x, y, width, height), QColor(foreColor_.red, foreColor_.green, foreColor_.blue));
    });
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y) {
    const QImage image = picture->image();
    paint([&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
}

void Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y, int destWidth, int destHeight, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight) {
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    const QRect wanted = QRect(sourceX, sourceY, sourceWidth, sourceHeight).intersected(
        QRect(0, 0, picture->Width(), picture->Height()));
    if (wanted.isEmpty())
        return;
    QRect source;
    const QImage pixels = picture->pixelsFor(wanted, QSize(destWidth, destHeight), source);
    if (pixels.isNull() || source.isEmpty())
        return;
    if (source.width() == destWidth && source.height() == destHeight) {
        paint([&](QPainter& p) { p.drawImage(QPoint(x, y), pixels, source); });
        return;
    }
    // Qt's smooth scaling averages the covered source pixels when shrinking.
    const QImage part = source == pixels.rect() ? pixels : pixels.copy(source);
    const QImage scaled = part.scaled(destWidth, destHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    paint([&](QPainter& p) { p.drawImage(QPoint(x, y), scaled); });
}

} // namespace tk
