#pragma once

#include "toolkit/core/Color.h"
#include "toolkit/core/Ref.h"

class QImage;
class QRect;
class QSize;
class QPainter;

namespace tk {

class Picture;
struct PictureStep;

// A drawing surface: a picture's pixels, or a control while it paints.
// Sizes and positions are in the surface's own pixels. On a screen with more
// device pixels than that, pictures are drawn at the device pixels they cover.
class Graphics {
  public:
    // Draws into the picture.
    explicit Graphics(Picture& target);
    // Draws with a painter that someone else owns (a control's paint event).
    Graphics(QPainter& painter, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color color) { foreColor_ = color; }

    void FillRect(int x, int y, int width, int height);
    // The picture at its own size, its top-left corner at x, y. False when
    // there was nothing to draw (a picture whose file could not be decoded).
    bool DrawPicture(const Ref<Picture>& picture, int x, int y);
    // The source rectangle of the picture scaled into the destination rectangle.
    // Scaling down averages the source pixels each destination pixel covers.
    bool DrawPicture(const Ref<Picture>& picture, int x, int y, int destWidth, int destHeight, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight);

  private:
    // Draws into the target picture, which keeps the step, or with the painter.
    template <class F> void paint(const PictureStep& step, F&& draw);
    // Pixels covering the whole target picture become its own, uncopied.
    bool adopt(int x, int y, const QImage& pixels, const PictureStep& step);
    // The device pixels per pixel of the surface: the screen's, for a painter on a control.
    double ratio() const;
    bool drawAtDevicePixels(const Ref<Picture>& picture, const QRect& wanted, const QRect& destination);

    Picture* target_ = nullptr;
    QPainter* painter_ = nullptr;
    int width_ = 0, height_ = 0;
    Color foreColor_ = RGB(0, 0, 0);
};

// Toolkit-internal. The rectangle's edges on the pixel grid of a device with
// that many pixels per pixel.
QRect onDeviceGrid(const QRect& rect, double ratio);
// The source rectangle of the picture scaled to that many device pixels; null
// when there is nothing to draw.
QImage scaledToDevice(const Ref<Picture>& picture, const QRect& wanted, const QSize& size);

} // namespace tk
