#pragma once

// A Listbox row's picture as the list keeps it. Toolkit-internal.
#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tk {

// Kept once and compactly: a picture framed by bands of one colour (a
// thumbnail on a plain ground, say) keeps only its pixels inside the bands,
// and the bands are painted as that colour. It reads back and paints as the
// picture it was made from.
class ListboxRowPicture {
  public:
    ListboxRowPicture() = default;
    explicit ListboxRowPicture(const QImage& picture);

    bool isNull() const { return size_.isEmpty(); }
    // In logical pixels, as the picture's device pixel ratio gives them.
    QSizeF deviceIndependentSize() const { return QSizeF(size_) / ratio_; }
    qreal devicePixelRatio() const { return ratio_; }
    // The picture as it was given.
    QImage whole() const;
    // Draws the source rectangle (in the picture's pixels) into the target rectangle.
    void draw(QPainter& painter, const QRectF& target, const QRectF& source) const;

  private:
    QSize size_;
    qreal ratio_ = 1;
    QImage::Format format_ = QImage::Format_ARGB32_Premultiplied;
    // The colour of the bands, premultiplied; the pixels inside them (three bytes a
    // pixel where all are opaque), and where they lie.
    QRgb ground_ = 0;
    QImage inner_;
    QPoint innerAt_;
};

} // namespace tk
