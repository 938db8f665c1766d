#pragma once

// Decoding ahead of a loop that opens the items of a folder listing as
// pictures, one after another: while the loop works on one, the decode pool
// decodes the next few, at the level the loop's last picture was decoded at.
// Toolkit-internal.
#include <QImage>

#include <memory>

namespace tk {

class FolderItem;
class PictureSource;

// Where a picture opened from an item of a listing stands in the walk over it.
struct WalkStep;

// Notes that the loop opened that item as a picture of that source, and gives
// the step that goes with the picture; null for an item that no listing gave.
// The first item of another listing, or one before the last item opened,
// begins a new walk: what the pool decoded for the old one is dropped.
std::shared_ptr<WalkStep> openedInWalk(const FolderItem& item, const PictureSource& source);

// The step's picture at 1/denominator of its size: the pixels decoded ahead,
// when they are of this very file at this level (waiting for a decode that
// runs), else decoded here. Either way the same pixels.
QImage decodeInWalk(WalkStep& step, const PictureSource& source, int denominator);

// The bytes of pixels decoded ahead that the walk holds now. A walk begun in
// a long loop lets them go when the loop ends.
qint64 bytesDecodedAhead();

} // namespace tk
