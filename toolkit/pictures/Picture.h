#pragma once

#include "toolkit/core/Ref.h"

#include <cstdint>
#include <memory>
#include <string>

class QImage;
class QRect;
class QSize;

namespace tk {

class FolderItem;
class Graphics;
struct PictureStep;

// A 32-bit ARGB picture. A picture opened from a file knows its size from the
// file's header (with the EXIF orientation applied) and decodes its pixels when
// they are first needed, at the smallest of the scales 1/1, 1/2, 1/4 and 1/8
// that still serves the request; it keeps what it decoded for later draws.
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
    // The picture in the file, judged by its content; nil when the file holds
    // no picture this machine can show.
    static Ref<Picture> open(const std::string& nativePath);
    // The same for a file; for an item of a folder listing, the pictures after
    // it in the listing are decoded ahead, for a loop that opens them in turn.
    static Ref<Picture> open(const FolderItem& file);

    int Width() const;
    int Height() const;
    // A drawing surface on the picture.
    Ref<tk::Graphics> Graphics();
    // The picture's mask, made (white: fully transparent) when it has none and
    // create is True; black pixels of the mask make the picture opaque there.
    Ref<Picture> Mask(bool create = true);

    // Writes the picture to the file: format 151 is JPEG, at the quality given
    // (0-100; -1 for the default, 90). The file is written under a temporary
    // name and renamed into place, replacing an earlier file of that name.
    // Returns False when it could not be written.
    bool Save(const Ref<FolderItem>& file, int format, int quality = -1) const;

    // Toolkit-internal. The full-size pixels, mask applied.
    QImage image() const;
    // The pixels for a surface of that device pixel ratio, with that ratio
    // set on the image when it is not 1. A new picture that was only filled
    // and drawn into from other pictures is drawn again at ratio times its
    // size, from their own pixels, so that it shows as sharp as the screen
    // allows while its size stays the same; any other gives its own pixels.
    QImage imageAt(double ratio) const;
    // Pixels that serve drawing the source rectangle into a destination of
    // that size: a decoded level, with the source rectangle in its coordinates.
    QImage pixelsFor(const QRect& source, const QSize& destination, QRect& sourceInPixels) const;
    // The pixels to draw into, for the step Graphics draws there; any other
    // drawing (no step) is not kept, and the picture then shows its own pixels only.
    QImage& mutableImage(const PictureStep* step = nullptr);
    // Takes pixels that cover the whole picture as its own, when drawing them
    // into it would give the same result: the picture is still blank, or the
    // pixels are opaque. Returns False when they must be drawn instead.
    bool adoptPixels(const QImage& pixels, const PictureStep& step);
    // Counts the changes of the pixels.
    std::uint64_t generation() const;

  private:
    bool keepsSteps() const;
    bool canKeep(const PictureStep* step) const;
    struct Impl;
    std::unique_ptr<Impl> d_;
    explicit Picture(std::unique_ptr<Impl> impl);
};

// A new picture of that size; nil when width or height is not positive or
// the pixels cannot be had. Only depth 32 is made.
Ref<Picture> newPicture(int width, int height, int depth = 32);

} // namespace tk
