#pragma once

// A picture file as a source of decoded pixels. Toolkit-internal.
#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QSize>

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>

namespace tk {

// What makes a file the same unchanged file: its identity, size and modification time.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modifiedNs = 0;
    friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

class PictureSource {
  public:
    // The file's picture as its header describes it; null when the file holds
    // no picture that can be shown (not a picture, or too large to decode).
    static std::shared_ptr<PictureSource> probe(const std::string& nativePath);

    // The size shown, with the EXIF orientation applied.
    QSize size() const { return shown_; }
    // The file as it was when probed.
    const FileIdentity& identity() const { return identity_; }
    // The bytes of pixels that decoding that level holds: the level's own, and
    // the whole picture's too where the decoder does not scale.
    qint64 bytesToDecode(int denominator) const;
    // How a decode reads the file: whole into memory first, which is the
    // fastest; or in pieces as the decoder asks for them, which holds far less
    // memory where many decodes run side by side.
    enum class Reading { whole, inPieces };
    // The pixels at 1/denominator of the size (1, 2, 4 or 8), oriented and in
    // sRGB (converted from the colour profile the file carries); a null
    // image when the file cannot be decoded after all.
    QImage decode(int denominator, Reading reading = Reading::whole) const;

  private:
    QImage read(int denominator, Reading reading) const;

    std::string path_;
    FileIdentity identity_;
    QByteArray format_;
    QSize stored_, shown_;
    QImageIOHandler::Transformations transformation_ = QImageIOHandler::TransformationNone;
    bool scalesWhileDecoding_ = false;
};

// The level of a picture of size full that serves drawing source (in full-size
// pixels) into destination: the largest of 8, 4, 2 and 1 that keeps at least
// one level pixel for each destination pixel.
int levelFor(const QSize& full, const QSize& source, const QSize& destination);

} // namespace tk
