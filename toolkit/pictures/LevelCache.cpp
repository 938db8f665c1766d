#include "toolkit/pictures/LevelCache.h"

namespace tk {

LevelCache& LevelCache::instance() {
    static LevelCache cache;
    return cache;
}

QImage LevelCache::find(const FileIdentity& file, int denominator) {
    std::lock_guard lock(mutex_);
    auto it = index_.find({file, denominator});
    if (it == index_.end())
        return {};
    entries_.splice(entries_.begin(), entries_, it->second);
    return it->second->image;
}

void LevelCache::insert(const FileIdentity& file, int denominator, const QImage& image) {
    const qint64 bytes = image.sizeInBytes();
    if (!keeps(bytes))
        return;
    std::lock_guard lock(mutex_);
    const Key key{file, denominator};
    if (index_.count(key))
        return;
    entries_.push_front({key, image});
    index_[key] = entries_.begin();
    used_ += bytes;
    dropBeyond(capacity_);
}

void LevelCache::makeRoomFor(qint64 bytes) {
    if (!keeps(bytes))
        return;
    std::lock_guard lock(mutex_);
    dropBeyond(capacity_ - bytes);
}

void LevelCache::dropBeyond(qint64 bytes) {
    while (used_ > bytes) {
        used_ -= entries_.back().image.sizeInBytes();
        index_.erase(entries_.back().key);
        entries_.pop_back();
    }
}

} // namespace tk
