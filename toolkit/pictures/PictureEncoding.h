#pragma once

// Encoding pictures and writing picture files. Toolkit-internal.
#include <QByteArray>

#include <string>

class QImage;

namespace tk {

// The format number of JPEG files; every other number writes PNG.
constexpr int jpegFormat = 151;

// The picture's bytes in that format, at that quality (-1 for the default);
// empty when it could not be encoded.
QByteArray encode(const QImage& image, int format, int quality);

// Writes the bytes to path through a temporary file put in place when
// complete, replacing a regular file there and keeping its mode.
bool writeAtomically(const std::string& path, const QByteArray& bytes);

} // namespace tk
