#pragma once

// The process-wide cache of recently decoded levels. Toolkit-internal.
#include "toolkit/pictures/PictureSource.h"

#include <QImage>

#include <list>
#include <map>
#include <mutex>

namespace tk {

// Recently decoded levels, shared by every Picture of the same unchanged file,
// whichever thread decoded them.
class LevelCache {
  public:
    static LevelCache& instance();

    // The level decoded from that file at 1/denominator, or a null image.
    QImage find(const FileIdentity& file, int denominator);
    // Keeps the level, dropping the least recently used ones beyond the capacity.
    void insert(const FileIdentity& file, int denominator, const QImage& image);
    // Drops the least recently used levels until that many bytes more fit, so
    // that a decode about to be kept reuses their memory, not fresh memory.
    void makeRoomFor(qint64 bytes);

  private:
    struct Key {
        FileIdentity file;
        int denominator;
        friend auto operator<=>(const Key&, const Key&) = default;
    };
    struct Entry {
        Key key;
        QImage image;
    };
    // Whether a level of that many bytes is kept at all: none over half the capacity.
    static bool keeps(qint64 bytes) { return bytes <= capacity_ / 2; }
    // Drops the least recently used levels while more than that many bytes are kept; under the lock.
    void dropBeyond(qint64 bytes);

    static constexpr qint64 capacity_ = 24ll * 1024 * 1024;
    std::mutex mutex_;
    std::list<Entry> entries_;
    std::map<Key, std::list<Entry>::iterator> index_;
    qint64 used_ = 0;
};

} // namespace tk
