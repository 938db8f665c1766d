#pragma once

#include "toolkit/core/Ref.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace tk {

class FolderItem;
class Picture;

// JPEG copies written behind the loop that hands them over: each is encoded
// and written on the decode pool, byte for byte as FolderItem::SaveAsJPEG
// writes it, while the loop goes on to the next. A few writes at most are
// under way; handing over one more first sees the oldest to its end. Used
// by one thread only, the one whose calls run the done handlers.
class PictureWrites {
  public:
    PictureWrites() = default;
    // Sees every write handed over to its end.
    ~PictureWrites();
    PictureWrites(const PictureWrites&) = delete;
    PictureWrites& operator=(const PictureWrites&) = delete;

    // Starts writing the picture as it is now into file. done(written) runs
    // on this thread once the write has ended, within a later call.
    void SaveAsJPEG(const Ref<FolderItem>& file, const Ref<Picture>& picture, std::function<void(bool)> done);
    // True while a write handed over may be to that file: to its path, spelt
    // the same but for the case of its letters (a folder may ignore it), or
    // through the symbolic link the path is.
    bool Writing(const FolderItem& file) const;
    // Sees every write handed over to its end, running their done handlers.
    void Wait();

  private:
    struct Write;
    void finishOldest();

    std::deque<std::shared_ptr<Write>> writes_; // in the order handed over
};

} // namespace tk
