#include "toolkit/pictures/PictureSource.h"

#include "toolkit/pictures/LevelCache.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QTransform>

#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

namespace {

// Largest picture decoded whole, and largest JPEG file (shown through the
// decoder's own scaling, but whose decoder may hold all its coefficients).
constexpr qint64 maxDecodedBytes = 512ll * 1024 * 1024;
constexpr qint64 maxJpegPixels = 150ll * 1000 * 1000;
// A 1-bit picture packs 8 pixels a byte, and deflate compresses at most
// about 1000:1: no real file claims more pixels per byte of file.
constexpr qint64 maxPixelsPerFileByte = 16384;
// No side longer than this: Qt's scaling does not finish on wider pictures.
constexpr int maxSide = 65535;
// Files are read whole into memory to be decoded.
constexpr off_t maxFileBytes = 1024ll * 1024 * 1024;

bool identify(int fd, FileIdentity& identity) {
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    identity = {st.st_dev, st.st_ino, st.st_size, std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    return true;
}

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// Opened by its bytes (Qt's own file names cannot spell every name), and
// without waiting: opening a pipe put in a photo's place would block.
int openForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

// The canvas a GIF file's header declares: its decoder paints every frame onto
// a canvas of that size, whatever size the frames themselves claim.
QSize gifCanvas(int fd) {
    unsigned char header[10];
    if (::pread(fd, header, sizeof header, 0) != ssize_t(sizeof header))
        return {};
    return QSize(header[6] | header[7] << 8, header[8] | header[9] << 8);
}

// Whether this layer decodes a picture of that size from a file of that many bytes.
bool withinLimits(QSize size, qint64 fileBytes, bool scalesWhileDecoding) {
    const qint64 pixels = qint64(size.width()) * size.height();
    // A JPEG file is decoded at 1/8 when that serves, but the decoder still
    // keeps a whole progressive file's coefficients in memory: its size is
    // bounded by the pixels the file claims, above any camera's.
    if (scalesWhileDecoding ? pixels > maxJpegPixels : pixels * 4 > maxDecodedBytes)
        return false;
    // No format packs that many pixels into so few bytes: a tiny file that
    // claims a huge picture would only cost memory and time to decode.
    return pixels <= maxPixelsPerFileByte * fileBytes && size.width() <= maxSide && size.height() <= maxSide;
}

} // namespace

std::shared_ptr<PictureSource> PictureSource::probe(const std::string& nativePath) {
    // Qt's own limit on what one read may allocate, raised to the largest
    // picture this layer lets through, so that such a picture does decode.
    static const bool limitSet = (QImageReader::setAllocationLimit(int(maxDecodedBytes >> 20) + 64), true);
    (void)limitSet;
    const int fd = openForReading(nativePath);
    if (fd < 0)
        return nullptr;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    auto source = std::make_shared<PictureSource>();
    if (!identify(fd, source->identity_) || source->identity_.size == 0 ||
        source->identity_.size > maxFileBytes)
        return nullptr;
    QImageReader reader(&file);
    if (!reader.canRead())
        return nullptr;
    source->path_ = nativePath;
    source->format_ = reader.format();
    source->stored_ = reader.size();
    source->transformation_ = reader.transformation();
    source->scalesWhileDecoding_ = source->format_ == "jpeg" && reader.supportsOption(QImageIOHandler::ScaledSize);
    if (!source->stored_.isValid()) {
        // The header does not tell the size: decode it to know.
        const QImage whole = source->read(1, Reading::whole);
        if (whole.isNull() || !withinLimits(whole.size(), source->identity_.size, false))
            return nullptr;
        source->shown_ = whole.size();
        LevelCache::instance().insert(source->identity_, 1, whole);
        return source;
    }
    // A header that claims no pixels describes no picture (a decoder may
    // still make a canvas of whatever size the file claims elsewhere).
    const QSize decoded = source->format_ == "gif" ? source->stored_.expandedTo(gifCanvas(fd)) : source->stored_;
    if (source->stored_.isEmpty() || !withinLimits(decoded, source->identity_.size, source->scalesWhileDecoding_))
        return nullptr;
    source->shown_ = source->transformation_ & QImageIOHandler::TransformationRotate90 ? source->stored_.transposed()
                                                                                       : source->stored_;
    return source;
}

namespace {
// The file opened for decoding, while it is still a plain file; -1 otherwise.
int openPlainFile(const std::string& path) {
    const int fd = openForReading(path);
    struct stat st {};
    if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The whole file in memory: the JPEG decoder reads a whole buffer much faster
// than a file handed to it in small pieces. (Read, not mapped: a file
// shortened by another program meanwhile must not fault.)
QByteArray readWhole(const std::string& path, off_t expectedSize) {
    const int fd = openPlainFile(path);
    if (fd < 0)
        return {};
    QByteArray bytes;
    bytes.resize(qsizetype(expectedSize));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, std::size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
    bytes.truncate(done);
    return bytes;
}

// sRGB itself, or sRGB's primaries with a plain 2.2 curve: what the gamma and
// chromaticity chunks of a PNG written by many tools say of an ordinary sRGB
// file, which keeps its numbers (the two curves part only in deep shadows).
bool meansSRgb(const QColorSpace& space) {
    return space == QColorSpace(QColorSpace::SRgb) ||
           (space.primaries() == QColorSpace::Primaries::SRgb &&
            space.transferFunction() == QColorSpace::TransferFunction::Gamma && std::abs(space.gamma() - 2.2f) < 0.01f);
}

// The pixels turned as the file's orientation says: mirrored, then turned a
// quarter clockwise. (The reader's own turning drops the colour space of a
// picture it turns, so the colours are converted before.)
QImage oriented(QImage image, QImageIOHandler::Transformations transformation) {
    image = std::move(image).mirrored(transformation & QImageIOHandler::TransformationMirror,
                                      transformation & QImageIOHandler::TransformationFlip);
    if (transformation & QImageIOHandler::TransformationRotate90)
        image = image.transformed(QTransform().rotate(90));
    return image;
}

// The file for the decoder to read in pieces as it goes.
bool openInPieces(const std::string& path, QFile& file) {
    const int fd = openPlainFile(path);
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}
} // namespace

QImage PictureSource::read(int denominator, Reading reading) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QFile file;
    if (reading == Reading::whole) {
        bytes = readWhole(path_, identity_.size);
        if (bytes.isEmpty() || !buffer.open(QIODevice::ReadOnly))
            return {};
    } else if (!openInPieces(path_, file)) {
        return {};
    }
    QImageReader reader(reading == Reading::whole ? static_cast<QIODevice*>(&buffer) : &file, format_);
    reader.setAutoTransform(false);
    if (denominator > 1 && scalesWhileDecoding_)
        reader.setScaledSize(QSize(ceilDiv(stored_.width(), denominator), ceilDiv(stored_.height(), denominator)));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32);
    // Pixels are drawn and written as sRGB: a file whose profile says otherwise
    // has its numbers converted here, at whatever level is decoded. Files with
    // no profile, an sRGB one or one the reader could not make sense of (an
    // invalid colour space) keep their numbers as they are.
    const QColorSpace colourSpace = image.colorSpace();
    if (colourSpace.isValid() && !meansSRgb(colourSpace))
        image.convertToColorSpace(QColorSpace::SRgb);
    return oriented(std::move(image), reader.transformation());
}

QImage PictureSource::decode(int denominator, Reading reading) const {
    LevelCache& cache = LevelCache::instance();
    if (QImage cached = cache.find(identity_, denominator); !cached.isNull())
        return cached;
    cache.makeRoomFor(bytesToDecode(denominator));
    QImage level;
    if (denominator == 1 || scalesWhileDecoding_) {
        level = read(denominator, reading);
    } else {
        // Without scaling in the decoder, smaller levels are averaged from the whole picture.
        const QImage whole = decode(1, reading);
        if (!whole.isNull())
            level = whole.scaled(ceilDiv(whole.width(), denominator), ceilDiv(whole.height(), denominator),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (!level.isNull())
        cache.insert(identity_, denominator, level);
    return level;
}

qint64 PictureSource::bytesToDecode(int denominator) const {
    const qint64 level =
        qint64(ceilDiv(shown_.width(), denominator)) * ceilDiv(shown_.height(), denominator) * 4;
    const qint64 whole = qint64(shown_.width()) * shown_.height() * 4;
    return denominator == 1 || scalesWhileDecoding_ ? level : level + whole;
}

int levelFor(const QSize& full, const QSize& source, const QSize& destination) {
    for (int denominator : {8, 4, 2}) {
        const double scale = double(ceilDiv(full.width(), denominator)) / full.width();
        const double scaleY = double(ceilDiv(full.height(), denominator)) / full.height();
        if (source.width() * scale >= destination.width() && source.height() * scaleY >= destination.height())
            return denominator;
    }
    return 1;
}

} // namespace tk
