#include "toolkit/controls/ListboxRowPicture.h"

#include <QPainter>

#include <algorithm>

namespace tk {

namespace {

// The smallest rectangle outside of which every pixel has the colour ground.
QRect beyondGround(const QImage& image, QRgb ground) {
    const auto row = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    const auto plainRow = [&](int y) {
        const QRgb* pixels = row(y);
        return std::all_of(pixels, pixels + image.width(), [&](QRgb pixel) { return pixel == ground; });
    };
    int top = 0, bottom = image.height() - 1;
    while (top <= bottom && plainRow(top))
        ++top;
    if (top > bottom)
        return {};
    while (plainRow(bottom))
        --bottom;
    int left = image.width(), right = -1;
    for (int y = top; y <= bottom; ++y) {
        const QRgb* pixels = row(y);
        int x = 0;
        while (x < left && pixels[x] == ground)
            ++x;
        left = std::min(left, x);
        x = image.width() - 1;
        while (x > right && pixels[x] == ground)
            --x;
        right = std::max(right, x);
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool opaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (!std::all_of(pixels, pixels + image.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            return false;
    }
    return true;
}

} // namespace

ListboxRowPicture::ListboxRowPicture(const QImage& picture) : size_(picture.size()) {
    if (picture.isNull())
        return;
    ratio_ = picture.devicePixelRatio();
    const QImage image = picture.format() == QImage::Format_RGB32 ? picture
                         : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    format_ = image.format();
    ground_ = reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
    const QRect inner = beyondGround(image, ground_);
    innerAt_ = inner.topLeft();
    if (inner.isEmpty())
        return;
    inner_ = inner == image.rect() ? image : image.copy(inner);
    // Opaque pixels (a photo's) take three bytes each.
    if (!inner_.hasAlphaChannel() || opaque(inner_))
        inner_ = std::move(inner_).convertToFormat(QImage::Format_RGB888);
}

QImage ListboxRowPicture::whole() const {
    if (isNull())
        return {};
    QImage image;
    if (inner_.size() == size_) {
        image = inner_.convertToFormat(format_);
    } else {
        image = QImage(size_, format_);
        image.fill(ground_);
        if (!inner_.isNull()) {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(innerAt_, inner_);
        }
    }
    image.setDevicePixelRatio(ratio_);
    return image;
}

void ListboxRowPicture::draw(QPainter& painter, const QRectF& target, const QRectF& source) const {
    if (isNull() || source.isEmpty())
        return;
    const qreal sx = target.width() / source.width(), sy = target.height() / source.height();
    const QRectF inner = QRectF(QRect(innerAt_, inner_.size())).intersected(source);
    const QRectF innerTarget = inner.isEmpty() ? QRectF()
                                               : QRectF(target.x() + (inner.x() - source.x()) * sx,
                                                        target.y() + (inner.y() - source.y()) * sy,
                                                        inner.width() * sx, inner.height() * sy);
    if (inner_.size() != size_) {
        // The bands only, so that the pixels inside are drawn over what lies beneath as before.
        const QColor ground = QColor::fromRgba(qUnpremultiply(ground_));
        if (innerTarget.isEmpty()) {
            painter.fillRect(target, ground);
        } else {
            painter.fillRect(QRectF(QPointF(target.left(), target.top()),
                                    QPointF(target.right(), innerTarget.top())), ground);
            painter.fillRect(QRectF(QPointF(target.left(), innerTarget.bottom()),
                                    QPointF(target.right(), target.bottom())), ground);
            painter.fillRect(QRectF(QPointF(target.left(), innerTarget.top()),
                                    QPointF(innerTarget.left(), innerTarget.bottom())), ground);
            painter.fillRect(QRectF(QPointF(innerTarget.right(), innerTarget.top()),
                                    QPointF(target.right(), innerTarget.bottom())), ground);
        }
    }
    if (!innerTarget.isEmpty())
        painter.drawImage(innerTarget, inner_, inner.translated(-QPointF(innerAt_)));
}

} // namespace tk
