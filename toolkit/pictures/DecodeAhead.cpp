#include "toolkit/pictures/DecodeAhead.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/DecodePool.h"
#include "toolkit/pictures/PictureSource.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <utility>

namespace tk {

// One item's decode on the pool, from the moment it is queued until its
// pixels are taken or dropped.
struct AheadDecode {
    enum class State { queued, running, done, dropped };
    AheadDecode(int position, int denominator, std::string path)
        : position(position), denominator(denominator), path(std::move(path)) {}
    int position;
    int denominator;
    std::string path;
    State state = State::queued;
    FileIdentity file; // the file as the worker found it
    QImage pixels;
};

struct WalkStep {
    int walk;
    FolderItem item;                    // with its place in the listing
    FileIdentity file;                  // the file as the loop opened it
    std::shared_ptr<AheadDecode> ahead; // this item's decode, until the picture's first one
};

namespace {

// How many bytes of pixels the decodes ahead may hold in all: an item whose
// decode would take more than its share is left to the loop.
constexpr qint64 bytesAhead = 64ll * 1024 * 1024;

int itemsAhead() {
    return 2 * DecodePool::workerCount();
}

// The one walk followed: loops over folders take turns, and a new one supersedes the last.
class FolderWalk {
  public:
    static FolderWalk& instance() {
        static FolderWalk walk;
        return walk;
    }

    std::shared_ptr<WalkStep> opened(const FolderItem& item, const PictureSource& source) {
        const std::shared_ptr<const void> listing = item.listedIn();
        if (!listing)
            return nullptr;
        std::lock_guard lock(mutex_);
        if (listing_.lock() != listing || item.listedAt() < opened_)
            begin(listing);
        opened_ = item.listedAt();
        auto step = std::make_shared<WalkStep>(WalkStep{walk_, item, source.identity(), nullptr});
        // Decodes up to this item leave the walk: this item's goes with its picture.
        while (!ahead_.empty() && ahead_.front()->position <= opened_) {
            if (ahead_.front()->position == opened_)
                current_ = std::move(ahead_.front());
            else
                drop(*ahead_.front());
            ahead_.pop_front();
        }
        // The item opened again (to be shown, then saved) shares the one decode.
        if (current_ && current_->position == opened_)
            step->ahead = current_;
        if (denominator_ != 0)
            topUp(item);
        return step;
    }

    // The pixels of a walk that ended with its loop go at once, not with the next walk.
    void loopRunEnded(int run) {
        std::lock_guard lock(mutex_);
        if (run == loopRun_)
            dropAll();
    }

    qint64 bytesHeld() {
        std::lock_guard lock(mutex_);
        qint64 bytes = current_ ? current_->pixels.sizeInBytes() : 0;
        for (const auto& ahead : ahead_)
            bytes += ahead->pixels.sizeInBytes();
        return bytes;
    }

    QImage decode(WalkStep& step, const PictureSource& source, int denominator) {
        QImage pixels;
        {
            std::unique_lock lock(mutex_);
            if (step.walk == walk_ && !loopEnded()) {
                denominator_ = denominator;
                topUp(step.item);
            }
            if (std::shared_ptr<AheadDecode> ahead = std::exchange(step.ahead, nullptr))
                pixels = take(lock, *ahead, step.file, denominator);
        }
        return pixels.isNull() ? source.decode(denominator) : pixels;
    }

  private:
    FolderWalk() {
        setLongLoopRunEndAction([](int run) { instance().loopRunEnded(run); });
    }
    ~FolderWalk() { setLongLoopRunEndAction(nullptr); }

    // Under the lock, from here on.

    // A walk begun in a long loop ends with it (it finished, or was stopped).
    bool loopEnded() const { return loopRun_ != 0 && currentLongLoopRun() != loopRun_; }

    void begin(const std::shared_ptr<const void>& listing) {
        dropAll();
        loopRun_ = currentLongLoopRun();
        listing_ = listing;
        ++walk_;
        opened_ = 0;
        denominator_ = 0;
    }

    void drop(AheadDecode& ahead) {
        ahead.state = AheadDecode::State::dropped;
        ahead.pixels = QImage();
    }

    void dropAll() {
        for (const auto& ahead : ahead_)
            drop(*ahead);
        ahead_.clear();
        if (current_)
            drop(*current_);
        current_.reset();
    }

    // Queues the items after the last one opened, as many as are decoded
    // ahead, at the walk's level; item is one of the walk's.
    void topUp(const FolderItem& item) {
        // Decodes at another level are of no use to the loop any more.
        while (!ahead_.empty() && ahead_.back()->denominator != denominator_) {
            drop(*ahead_.back());
            ahead_.pop_back();
        }
        const int last = opened_ + itemsAhead();
        for (int position = ahead_.empty() ? opened_ + 1 : ahead_.back()->position + 1; position <= last;
             ++position) {
            const Ref<FolderItem> next = item.listedAfter(position - item.listedAt());
            if (!next)
                break;
            auto ahead = std::make_shared<AheadDecode>(position, denominator_, next->nativePath());
            ahead_.push_back(ahead);
            DecodePool::instance().post([this, ahead] { run(ahead); });
        }
    }

    // The pixels decoded ahead, when they are of that file at that level.
    QImage take(std::unique_lock<std::mutex>& lock, AheadDecode& ahead, const FileIdentity& file,
                int denominator) {
        if (ahead.state == AheadDecode::State::queued || ahead.denominator != denominator) {
            // Not begun: the loop decodes it itself, as soon as a worker could.
            drop(ahead);
            return {};
        }
        // While a worker decodes it, the loop's thread lends a hand with the
        // next item that no worker has begun.
        while (ahead.state == AheadDecode::State::running) {
            const auto next = std::find_if(ahead_.begin(), ahead_.end(), [](const auto& other) {
                return other->state == AheadDecode::State::queued;
            });
            if (next == ahead_.end())
                finished_.wait(lock);
            else
                perform(lock, std::shared_ptr<AheadDecode>(*next));
        }
        return ahead.file == file ? std::move(ahead.pixels) : QImage();
    }

    // On a worker.
    void run(const std::shared_ptr<AheadDecode>& ahead) {
        std::unique_lock lock(mutex_);
        if (ahead->state != AheadDecode::State::queued)
            return;
        if (listing_.expired() || loopEnded()) {
            // The listing is released, or the loop stopped: no loop will reach these items.
            dropAll();
            return;
        }
        perform(lock, ahead);
    }

    // Decodes a queued item, unlocked meanwhile. Its file is read in pieces:
    // held whole by every decode that runs, files would take more memory than pixels.
    void perform(std::unique_lock<std::mutex>& lock, const std::shared_ptr<AheadDecode>& ahead) {
        ahead->state = AheadDecode::State::running;
        lock.unlock();
        FileIdentity file;
        QImage pixels;
        try {
            const auto source = PictureSource::probe(ahead->path);
            if (source && source->bytesToDecode(ahead->denominator) <= bytesAhead / itemsAhead()) {
                file = source->identity();
                pixels = source->decode(ahead->denominator, PictureSource::Reading::inPieces);
            }
        } catch (...) {
            // Out of memory, say: the loop decodes the picture itself, and meets what it meets.
            pixels = QImage();
        }
        lock.lock();
        if (ahead->state == AheadDecode::State::running) {
            ahead->state = AheadDecode::State::done;
            ahead->file = file;
            ahead->pixels = std::move(pixels);
        }
        if (listing_.expired() || loopEnded())
            dropAll();
        finished_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable finished_;
    std::weak_ptr<const void> listing_;
    int walk_ = 0;        // counts the walks begun
    int opened_ = 0;      // the position of the item opened last
    int denominator_ = 0; // the level of the walk's last decode; 0 before the first
    int loopRun_ = 0;     // the run of long loops the walk began in; 0 for none
    // The decode of the item opened last, for each picture opened of it.
    std::shared_ptr<AheadDecode> current_;
    // The decodes of the items after the one opened last, in listing order.
    std::deque<std::shared_ptr<AheadDecode>> ahead_;
};

} // namespace

std::shared_ptr<WalkStep> openedInWalk(const FolderItem& item, const PictureSource& source) {
    return FolderWalk::instance().opened(item, source);
}

QImage decodeInWalk(WalkStep& step, const PictureSource& source, int denominator) {
    return FolderWalk::instance().decode(step, source, denominator);
}

qint64 bytesDecodedAhead() {
    return FolderWalk::instance().bytesHeld();
}

} // namespace tk
