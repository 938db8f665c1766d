#include "tests/support/PhotoFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <fcntl.h>
#include <sys/stat.h>

namespace photos {

std::string write(const QString& folder, const QString& name, int width, int height, const char* format,
                  QColor left, QColor right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, width / 2, height, left);
    const QString path = QDir(folder).filePath(name);
    image.save(path, format, 92);
    return QFile::encodeName(path).toStdString();
}

bool renew(const std::string& path) {
    static long seconds = 1700000000;
    const timespec times[2] = {{0, UTIME_OMIT}, {++seconds, 0}};
    return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

QByteArray withIccProfile(const QByteArray& jpeg, const QByteArray& profile) {
    // An APP2 segment: its length (itself included), the tag, then this
    // segment's number and the number of segments, one of one.
    const QByteArray data = QByteArray("ICC_PROFILE", 12) + "\x01\x01" + profile;
    const int length = int(data.size()) + 2;
    const char header[] = {'\xff', '\xe2', char(length >> 8), char(length & 0xff)};
    return jpeg.left(2) + QByteArray(header, 4) + data + jpeg.mid(2);
}

QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation) {
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);
    const char entries[] = {0, 1, 1, 0x12, 0, 3, 0, 0, 0, 1, char(orientation >> 8), char(orientation & 0xff), 0, 0,
                            0, 0, 0, 0, 0, 0};
    tiff.append(entries, sizeof entries);
    QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const int length = payload.size() + 2;
    segment.append(char(length >> 8)).append(char(length & 0xff)).append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

std::string writeBytes(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return QFile::encodeName(path).toStdString();
}

} // namespace photos
