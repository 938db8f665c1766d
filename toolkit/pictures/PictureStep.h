#pragma once

// One step that Graphics drew into a picture, kept so that the picture can be
// drawn again at a screen's own pixels. Toolkit-internal.
#include "toolkit/core/Color.h"
#include "toolkit/core/Ref.h"

#include <QRect>

#include <cstdint>

namespace tk {

class Picture;

struct PictureStep {
    // The rectangle drawn, in the picture's own pixels.
    QRect target;
    // A fill with this colour when source is nil; otherwise that rectangle of
    // source scaled into the target, as source was when it was drawn.
    Color color;
    Ref<Picture> source;
    QRect sourceRect;
    std::uint64_t sourceGeneration = 0;
};

} // namespace tk
