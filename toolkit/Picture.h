#pragma once

#include "toolkit/Ref.h"

#include <memory>
#include <string>

class QImage;

namespace tk {

class Graphics;

// A 32-bit ARGB picture.
class Picture {
  public:
    // A new picture of that size, fully transparent.
    Picture(int width, int height);
    explicit Picture(const QImage& image);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // The picture stored under that file name in the application's Resources
    // folder (beside the executable's folder), or nil.
    static Ref<Picture> _OpenFromApp(const std::string& fileName);

    int Width() const;
    int Height() const;
    // A drawing surface on the picture.
    Ref<tk::Graphics> Graphics();

    // Toolkit-internal: the pixels.
    const QImage& image() const;
    QImage& mutableImage();

  private:
    std::unique_ptr<QImage> image_;
};

// A new picture of that size; nil when width or height is not positive or
// the pixels cannot be had. Only depth 32 is made.
Ref<Picture> newPicture(int width, int height, int depth = 32);

} // namespace tk
