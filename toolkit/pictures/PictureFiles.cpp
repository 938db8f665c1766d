// Reading pictures from files and writing them, atomically, as JPEG or PNG.
#include "toolkit/files/FolderItem.h"
#include "toolkit/files/PosixFile.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/pictures/PictureEncoding.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <sys/stat.h>

namespace tk {

namespace {
constexpr int defaultJpegQuality = 90;
} // namespace

QByteArray encode(const QImage& image, int format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == jpegFormat ? "jpeg" : "png");
    if (format == jpegFormat) {
        writer.setQuality(quality < 0 ? defaultJpegQuality : std::min(quality, 100));
        writer.setOptimizedWrite(true);
        // JPEG has no transparency: transparent parts become white.
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        if (!writer.write(flat))
            return {};
    } else if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

bool writeAtomically(const std::string& path, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return false;
    struct stat existing {};
    const bool exists = lstat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return false;
    posix::PendingFile file(path);
    if (!file.isOpen())
        return false;
    file.write(bytes.constData(), std::size_t(bytes.size()));
    const mode_t mode = exists ? (existing.st_mode & 07777) : (0666 & ~posix::currentUmask());
    return file.commit(mode, true);
}

namespace {

bool save(const Ref<Picture>& picture, const FolderItem& file, int format, int quality) {
    if (!picture)
        throw NilObjectException();
    const QImage image = picture->image();
    if (image.isNull())
        return false;
    return writeAtomically(file.nativePath(), encode(image, format, quality));
}

} // namespace

Ref<Picture> FolderItem::OpenAsPicture() const {
    return Picture::open(*this);
}

bool FolderItem::SaveAsJPEG(const Ref<Picture>& picture) const { return save(picture, *this, jpegFormat, -1); }

bool FolderItem::SaveAsPicture(const Ref<Picture>& picture, int format) const {
    return save(picture, *this, format, -1);
}

bool Picture::Save(const Ref<FolderItem>& file, int format, int quality) const {
    const QImage pixels = image();
    if (pixels.isNull())
        return false;
    return writeAtomically(file->nativePath(), encode(pixels, format, quality));
}

} // namespace tk
