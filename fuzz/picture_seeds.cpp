// Writes the picture target's seed inputs into the folder given: a few tiny
// pictures in each format the decoders read, made here rather than kept.
#include <QBuffer>
#include <QByteArray>
#include <QColorSpace>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <initializer_list>

namespace {

QImage sample(QImage::Format format) {
    QImage image(4, 3, format);
    image.fill(QColor(40, 60, 200, 160));
    QPainter(&image).fillRect(0, 0, 2, 3, QColor(200, 40, 40));
    return image;
}

bool write(const QDir& folder, const QString& name, const QImage& image, const char* format,
           void (*adjust)(QImageWriter&) = nullptr) {
    QImageWriter writer(folder.filePath(name), format);
    writer.setQuality(50);
    if (adjust)
        adjust(writer);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "picture_seeds: %s: %s\n", qPrintable(name), qPrintable(writer.errorString()));
    return false;
}

// A 2 x 2 two-colour GIF. Qt writes no GIF, so its bytes are laid out here: the
// LZW codes are 3 bits wide throughout, a clear code after every two pixels
// keeping the code table from growing past that width.
QByteArray gif() {
    QByteArray bytes("GIF89a");
    bytes.append("\x02\x00\x02\x00\x80\x00\x00", 7);              // 2 x 2, two-entry colour table
    bytes.append("\xc8\x28\x28\x28\x3c\xc8", 6);                  // the two colours
    bytes.append("\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10); // the image, no local table
    bytes.append('\x02');                                         // LZW minimum code size
    unsigned bits = 0, width = 0;
    for (unsigned code : {4u, 0u, 1u, 4u, 1u, 0u, 5u}) { // clear, pixels, end
        bits |= code << width;
        width += 3;
    }
    const int length = int((width + 7) / 8);
    bytes.append(char(length));
    for (int i = 0; i < length; ++i)
        bytes.append(char(bits >> (8 * i) & 0xff));
    bytes.append("\x00\x3b", 2); // end of the image data, trailer
    return bytes;
}

// A JPEG that carries a colour profile whose tag table is garbage: tag
// counts, offsets and sizes that point past the profile's end.
QByteArray brokenProfileJpeg(QImage image) {
    image.setColorSpace(QColorSpace::AdobeRgb);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "jpeg", 50))
        return {};
    // The profile starts 36 bytes before its signature; its tag table 128 bytes after its start.
    const qsizetype signature = bytes.indexOf("acsp");
    if (signature < 36)
        return {};
    const qsizetype tags = signature - 36 + 128;
    for (qsizetype i = tags; i < tags + 40 && i < bytes.size(); ++i)
        bytes[i] = char(0xf0 ^ i);
    return bytes;
}

bool writeBytes(const QDir& folder, const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_seeds FOLDER\n");
        return 2;
    }
    QDir folder(QFile::decodeName(argv[1]));
    folder.mkpath(".");
    const QImage rgb = sample(QImage::Format_RGB32);
    const QImage argb = sample(QImage::Format_ARGB32);
    bool ok = write(folder, "tiny.jpg", rgb, "jpeg");
    ok &= write(folder, "progressive.jpg", rgb, "jpeg",
                [](QImageWriter& w) { w.setProgressiveScanWrite(true); });
    ok &= write(folder, "rotated.jpg", rgb, "jpeg",
                [](QImageWriter& w) { w.setTransformation(QImageIOHandler::TransformationRotate90); });
    ok &= write(folder, "tiny.png", rgb, "png");
    ok &= write(folder, "alpha.png", argb, "png");
    ok &= write(folder, "palette.png", rgb.convertToFormat(QImage::Format_Indexed8), "png");
    ok &= write(folder, "tiny.bmp", rgb, "bmp");
    ok &= write(folder, "tiny.tiff", argb, "tiff");
    ok &= write(folder, "tiny.webp", argb, "webp");
    // Colour profiles, converted to sRGB on decoding, and one that cannot be read.
    QImage adobeRgb = rgb, displayP3 = argb;
    adobeRgb.setColorSpace(QColorSpace::AdobeRgb);
    displayP3.setColorSpace(QColorSpace::DisplayP3);
    ok &= write(folder, "adobe-rgb.jpg", adobeRgb, "jpeg");
    ok &= write(folder, "display-p3.png", displayP3, "png");
    ok &= writeBytes(folder, "broken-profile.jpg", brokenProfileJpeg(rgb));
    ok &= writeBytes(folder, "tiny.gif", gif());
    return ok ? 0 : 1;
}
