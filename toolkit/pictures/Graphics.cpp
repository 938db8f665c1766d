#include "toolkit/pictures/Graphics.h"

#include "toolkit/pictures/Picture.h"
#include "toolkit/pictures/PictureStep.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tk {

Graphics::Graphics(Picture& target) : target_(&target), width_(target.Width()), height_(target.Height()) {}

Graphics::Graphics(QPainter& painter, int width, int height) : painter_(&painter), width_(width), height_(height) {}

template <class F> void Graphics::paint(const PictureStep& step, F&& draw) {
    if (painter_) {
        draw(*painter_);
    } else {
        QPainter painter(&deref(target_).mutableImage(&step));
        draw(painter);
    }
}

double Graphics::ratio() const {
    return painter_ && painter_->device() ? painter_->device()->devicePixelRatio() : 1.0;
}

void Graphics::FillRect(int x, int y, int width, int height) {
    const PictureStep step{QRect(x, y, width, height), foreColor_, nullptr, {}, 0};
    paint(step, [&](QPainter& p) {
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

bool Graphics::adopt(int x, int y, const QImage& pixels, const PictureStep& step) {
    return target_ && x == 0 && y == 0 && target_->adoptPixels(pixels, step);
}

bool Graphics::DrawPicture(const Ref<Picture>& picture, int x, int y) {
    const double r = ratio();
    // At its own size on a denser screen: a picture drawn from others is drawn
    // again from them at the device pixels; other pictures are enlarged by Qt.
    const QImage image = r > 1.0 ? picture->imageAt(r) : picture->image();
    if (image.isNull())
        return false;
    const QRect whole(0, 0, picture->Width(), picture->Height());
    const PictureStep step{QRect(QPoint(x, y), whole.size()), {}, picture, whole, picture->generation()};
    if (!adopt(x, y, image, step))
        paint(step, [&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
    return true;
}

QRect onDeviceGrid(const QRect& rect, double ratio) {
    return QRect(QPoint(qRound(rect.left() * ratio), qRound(rect.top() * ratio)),
                 QPoint(qRound((rect.right() + 1) * ratio) - 1, qRound((rect.bottom() + 1) * ratio) - 1));
}

QImage scaledToDevice(const Ref<Picture>& picture, const QRect& wanted, const QSize& size) {
    QRect source;
    const QImage pixels = picture->pixelsFor(wanted, size, source);
    if (pixels.isNull() || source.isEmpty())
        return {};
    return source.size() == size ? pixels.copy(source) : scaledPixels(pixels, source, size);
}

bool Graphics::drawAtDevicePixels(const Ref<Picture>& picture, const QRect& wanted, const QRect& destination) {
    const double r = ratio();
    const QRect device = onDeviceGrid(destination, r);
    if (device.isEmpty())
        return false;
    QImage scaled = scaledToDevice(picture, wanted, device.size());
    if (scaled.isNull())
        return false;
    scaled.setDevicePixelRatio(r);
    painter_->drawImage(QPointF(device.topLeft()) / r, scaled);
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
    if (painter_ && ratio() > 1.0)
        return drawAtDevicePixels(picture, wanted, QRect(x, y, destWidth, destHeight));
    QRect source;
    const QImage pixels = picture->pixelsFor(wanted, QSize(destWidth, destHeight), source);
    if (pixels.isNull() || source.isEmpty())
        return false;
    const PictureStep step{QRect(x, y, destWidth, destHeight), {}, picture, wanted, picture->generation()};
    if (source.width() == destWidth && source.height() == destHeight) {
        paint(step, [&](QPainter& p) { p.drawImage(QPoint(x, y), pixels, source); });
        return true;
    }
    const QImage scaled = scaledPixels(pixels, source, QSize(destWidth, destHeight));
    if (!adopt(x, y, scaled, step))
        paint(step, [&](QPainter& p) { p.drawImage(QPoint(x, y), scaled); });
    return true;
}

} // namespace tk
