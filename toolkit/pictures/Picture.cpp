#include "toolkit/pictures/Picture.h"

#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/DecodeAhead.h"
#include "toolkit/pictures/Graphics.h"
#include "toolkit/pictures/PictureSource.h"
#include "toolkit/pictures/PictureStep.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace tk {

struct Picture::Impl {
    mutable std::mutex mutex;
    QSize size;
    // Set while the pixels are the file's: levels are decoded from it on demand.
    std::shared_ptr<const PictureSource> source;
    // Set for a picture opened in a walk over a folder listing.
    std::shared_ptr<WalkStep> step;
    mutable std::map<int, QImage> levels;
    // The pixels once they are our own (a new picture, or one drawn into);
    // a new picture gets them, transparent, when they are first needed.
    QImage own;
    bool blank = false;
    Ref<Picture> mask;
    // The steps that drew a new picture, while all its drawing was such steps.
    std::optional<std::vector<PictureStep>> steps;
    std::uint64_t generation = 0;
    // The picture last drawn again from its steps, at the ratio it carries.
    QImage drawnAgain;

    // The pixels are about to change by that step, or by drawing that keeps no step.
    // A picture drawn in more steps than a few is drawn from its own pixels only.
    void changing(const PictureStep* step, bool stepKept) {
        constexpr std::size_t mostSteps = 64;
        ++generation;
        drawnAgain = QImage();
        if (steps && step && stepKept && steps->size() < mostSteps)
            steps->push_back(*step);
        else
            steps.reset();
    }

    QImage level(int denominator) const {
        auto it = levels.find(denominator);
        if (it != levels.end())
            return it->second;
        QImage decoded = step ? decodeInWalk(*step, *source, denominator) : source->decode(denominator);
        levels[denominator] = decoded;
        return decoded;
    }

    QImage whole() const { return source ? level(1) : ownPixels(); }

    const QImage& ownPixels() const {
        if (blank) {
            auto* self = const_cast<Impl*>(this);
            self->own = QImage(size, QImage::Format_ARGB32_Premultiplied);
            self->own.fill(Qt::transparent);
            self->blank = false;
        }
        return own;
    }
};

Picture::Picture(std::unique_ptr<Impl> impl) : d_(std::move(impl)) {}

Picture::Picture(int width, int height) : d_(std::make_unique<Impl>()) {
    d_->size = QSize(width, height);
    d_->blank = true;
    d_->steps.emplace();
}

Picture::Picture(const QImage& image) : d_(std::make_unique<Impl>()) {
    d_->own = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
    // Its pixels are its size, whatever screen they were made for.
    d_->own.setDevicePixelRatio(1.0);
    d_->size = d_->own.size();
}

Picture::~Picture() = default;

Ref<Picture> Picture::open(const std::string& nativePath) {
    std::shared_ptr<const PictureSource> source = PictureSource::probe(nativePath);
    if (!source)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->size = source->size();
    impl->source = std::move(source);
    return Ref<Picture>(std::shared_ptr<Picture>(new Picture(std::move(impl))));
}

Ref<Picture> Picture::open(const FolderItem& file) {
    Ref<Picture> picture = open(file.nativePath());
    if (picture)
        picture->d_->step = openedInWalk(file, *picture->d_->source);
    return picture;
}

int Picture::Width() const { return d_->size.width(); }
int Picture::Height() const { return d_->size.height(); }

Ref<tk::Graphics> Picture::Graphics() { return makeRef<tk::Graphics>(*this); }

Ref<Picture> Picture::Mask(bool create) {
    std::lock_guard lock(d_->mutex);
    if (!d_->mask && create) {
        d_->mask = makeRef<Picture>(Width(), Height());
        d_->mask->mutableImage().fill(Qt::white);
    }
    return d_->mask;
}

bool Picture::keepsSteps() const {
    std::lock_guard lock(d_->mutex);
    return d_->steps.has_value();
}

bool Picture::canKeep(const PictureStep* step) const {
    // A source that is drawn from steps itself would draw from its own pixels
    // only, and pictures that hold each other would never be freed.
    return step && (!step->source || (step->source.get() != this && !step->source->keepsSteps()));
}

std::uint64_t Picture::generation() const {
    std::lock_guard lock(d_->mutex);
    return d_->generation;
}

QImage& Picture::mutableImage(const PictureStep* step) {
    const bool stepKept = canKeep(step);
    std::lock_guard lock(d_->mutex);
    d_->changing(step, stepKept);
    if (d_->source) {
        d_->own = d_->level(1);
        if (d_->own.isNull()) {
            d_->own = QImage(d_->size, QImage::Format_ARGB32_Premultiplied);
            d_->own.fill(Qt::transparent);
        }
        d_->source.reset();
        d_->step.reset();
        d_->levels.clear();
    }
    d_->ownPixels();
    return d_->own;
}

bool Picture::adoptPixels(const QImage& pixels, const PictureStep& step) {
    const bool stepKept = canKeep(&step);
    std::lock_guard lock(d_->mutex);
    if (pixels.size() != d_->size || d_->source || !(d_->blank || !pixels.hasAlphaChannel()))
        return false;
    d_->changing(&step, stepKept);
    d_->own = pixels;
    d_->blank = false;
    return true;
}

namespace {
// A mask that is opaque black everywhere keeps every pixel as it is; seeing
// that costs far less than converting such a mask to grey values.
bool keepsEveryPixel(const QImage& mask) {
    if (mask.format() != QImage::Format_RGB32 && mask.format() != QImage::Format_ARGB32_Premultiplied)
        return false;
    for (int y = 0; y < mask.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        if (!std::all_of(line, line + mask.width(), [](QRgb pixel) { return pixel == 0xff000000; }))
            return false;
    }
    return true;
}

// Black in the mask is opaque, white transparent, greys in between.
QImage withMask(const QImage& pixels, const QImage& mask) {
    QImage result = pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (keepsEveryPixel(mask))
        return result;
    QImage opacity = mask.convertToFormat(QImage::Format_Grayscale8).scaled(result.size());
    opacity.invertPixels();
    // The inverted grey values, read as alpha values.
    const QImage alpha(opacity.constBits(), opacity.width(), opacity.height(), opacity.bytesPerLine(),
                       QImage::Format_Alpha8);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, alpha);
    return result;
}
} // namespace

QImage Picture::image() const {
    Ref<Picture> mask;
    QImage pixels;
    {
        std::lock_guard lock(d_->mutex);
        pixels = d_->whole();
        mask = d_->mask;
    }
    return mask ? withMask(pixels, mask->image()) : pixels;
}

namespace {
// The steps drawn again onto pixels of ratio times that size; null when a
// picture they draw from has changed since.
QImage drawAgain(const QSize& size, const std::vector<PictureStep>& steps, double ratio) {
    const QRect device = onDeviceGrid(QRect(QPoint(0, 0), size), ratio);
    for (const PictureStep& step : steps)
        if (step.source && step.source->generation() != step.sourceGeneration)
            return {};
    // A first step that covers the whole picture gives the pixels as they are:
    // drawn onto nothing, they would stay the same.
    auto step = steps.begin();
    QImage pixels;
    if (step->source && step->target == QRect(QPoint(0, 0), size)) {
        pixels = scaledToDevice(step->source, step->sourceRect, device.size());
        ++step;
    } else {
        pixels = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
        if (!pixels.isNull())
            pixels.fill(Qt::transparent);
    }
    if (pixels.isNull())
        return pixels;
    pixels.setDevicePixelRatio(ratio);
    if (step == steps.end())
        return pixels;
    QPainter painter(&pixels);
    Graphics g(painter, size.width(), size.height());
    for (; step != steps.end(); ++step) {
        const QRect& t = step->target;
        const QRect& s = step->sourceRect;
        if (step->source) {
            g.DrawPicture(step->source, t.x(), t.y(), t.width(), t.height(), s.x(), s.y(), s.width(), s.height());
        } else {
            g.setForeColor(step->color);
            g.FillRect(t.x(), t.y(), t.width(), t.height());
        }
    }
    return pixels;
}
} // namespace

QImage Picture::imageAt(double ratio) const {
    std::vector<PictureStep> steps;
    Ref<Picture> mask;
    std::uint64_t generation = 0;
    {
        std::lock_guard lock(d_->mutex);
        if (ratio > 1.0 && !d_->drawnAgain.isNull() && d_->drawnAgain.devicePixelRatio() == ratio)
            return d_->drawnAgain;
        if (ratio > 1.0 && d_->steps)
            steps = *d_->steps;
        mask = d_->mask;
        generation = d_->generation;
    }
    QImage drawn = steps.empty() ? QImage() : drawAgain(d_->size, steps, ratio);
    if (drawn.isNull())
        return image();
    if (mask) {
        drawn = withMask(drawn, mask->image());
        drawn.setDevicePixelRatio(ratio);
    }
    // Kept for the next paint, unless the pixels changed meanwhile (a mask may change unseen).
    std::lock_guard lock(d_->mutex);
    if (d_->generation == generation && !mask)
        d_->drawnAgain = drawn;
    return drawn;
}

QImage Picture::pixelsFor(const QRect& source, const QSize& destination, QRect& sourceInPixels) const {
    {
        std::lock_guard lock(d_->mutex);
        if (d_->source && !d_->mask) {
            const int denominator = levelFor(d_->size, source.size(), destination);
            QImage level = d_->level(denominator);
            const double sx = double(level.width()) / d_->size.width();
            const double sy = double(level.height()) / d_->size.height();
            sourceInPixels = QRectF(source.x() * sx, source.y() * sy, source.width() * sx, source.height() * sy)
                                 .toAlignedRect()
                                 .intersected(level.rect());
            return level;
        }
    }
    sourceInPixels = source;
    return image();
}

Ref<Picture> Picture::_OpenFromApp(const std::string& fileName) {
    Ref<FolderItem> executable = executableFile();
    Ref<FolderItem> binFolder = executable ? executable->Parent() : nullptr;
    Ref<FolderItem> appFolder = binFolder ? binFolder->Parent() : nullptr;
    Ref<FolderItem> resources = appFolder ? appFolder->Child("Resources") : nullptr;
    Ref<FolderItem> file = resources && !fileName.empty() ? resources->Child(fileName) : nullptr;
    if (!file)
        return nullptr;
    Ref<Picture> picture = open(file->nativePath());
    // Resources are small: decode them now, once.
    if (picture && picture->image().isNull())
        return nullptr;
    return picture;
}

Ref<Picture> newPicture(int width, int height, int depth) {
    if (width <= 0 || height <= 0 || depth != 32)
        return nullptr;
    // Pixels are only allocated when first needed; a size that could never
    // be allocated gives no picture.
    if (qint64(width) * height > (qint64(1) << 31) / 4)
        return nullptr;
    return makeRef<Picture>(width, height);
}

} // namespace tk
