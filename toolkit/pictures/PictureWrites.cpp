#include "toolkit/pictures/PictureWrites.h"

#include "toolkit/files/FolderItem.h"
#include "toolkit/pictures/DecodePool.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/pictures/PictureEncoding.h"

#include <QFile>
#include <QImage>
#include <QString>

#include <sys/stat.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace tk {

namespace {

// Enough writes under way to keep every worker busy, and few enough that
// their pixels stay a small part of memory.
int writesUnderWay() {
    return 2 * DecodePool::workerCount();
}

// The same name to a folder that ignores case, in any language: Unicode case
// folding, whatever the locale.
bool sameIgnoringCase(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& path) {
        return QFile::decodeName(QByteArray::fromStdString(path)).normalized(QString::NormalizationForm_C);
    };
    return folded(a).compare(folded(b), Qt::CaseInsensitive) == 0;
}

bool isSymbolicLink(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

} // namespace

struct PictureWrites::Write {
    std::string path;
    QImage pixels;
    std::function<void(bool)> done;

    // Whoever claims the write first carries it out: a worker, or the
    // handing-over thread when it needs the write ended before a worker came.
    std::mutex mutex;
    std::condition_variable ended;
    bool claimed = false;
    bool finished = false;
    bool written = false;

    bool claim() {
        std::lock_guard lock(mutex);
        return !std::exchange(claimed, true);
    }
    void perform() {
        bool ok = false;
        try {
            ok = writeAtomically(path, encode(pixels, jpegFormat, -1));
        } catch (...) {
            // Out of memory, say: the copy is told of as not written.
        }
        std::lock_guard lock(mutex);
        pixels = QImage();
        written = ok;
        finished = true;
        ended.notify_all();
    }
    bool awaitEnd() {
        if (claim())
            perform();
        std::unique_lock lock(mutex);
        ended.wait(lock, [this] { return finished; });
        return written;
    }
};

PictureWrites::~PictureWrites() {
    Wait();
}

void PictureWrites::SaveAsJPEG(const Ref<FolderItem>& file, const Ref<Picture>& picture,
                               std::function<void(bool)> done) {
    while (int(writes_.size()) >= writesUnderWay())
        finishOldest();
    auto write = std::make_shared<Write>();
    write->path = file->nativePath();
    write->pixels = picture ? picture->image() : QImage();
    write->done = std::move(done);
    writes_.push_back(write);
    // A write the pool drops (it stops at exit) is carried out by Wait.
    DecodePool::instance().post([write] {
        if (write->claim())
            write->perform();
    });
}

bool PictureWrites::Writing(const FolderItem& file) const {
    if (writes_.empty())
        return false;
    // A link may lead to a file being written; which one is known only once it is.
    return isSymbolicLink(file.nativePath()) ||
           std::any_of(writes_.begin(), writes_.end(), [&](const std::shared_ptr<Write>& write) {
               return sameIgnoringCase(write->path, file.nativePath());
           });
}

void PictureWrites::finishOldest() {
    const std::shared_ptr<Write> write = writes_.front();
    writes_.pop_front();
    const bool written = write->awaitEnd();
    if (write->done)
        write->done(written);
}

void PictureWrites::Wait() {
    while (!writes_.empty())
        finishOldest();
}

} // namespace tk
