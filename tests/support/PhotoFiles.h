#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <string>

// Photo files made by the tests themselves: a left half and a right half of
// two colours, so that where a photo was drawn and at what size can be read
// back from the pixels.
namespace photos {

// Writes a w x h picture in the given format ("jpeg", "png", "tiff") and
// returns its native path.
std::string write(const QString& folder, const QString& name, int width, int height, const char* format = "jpeg",
                  QColor left = QColor(200, 40, 40), QColor right = QColor(40, 60, 200));

// Gives the file a modification time no file had before in this process, so
// that nothing decoded from it earlier counts as decoded from it; False when
// the time could not be set.
bool renew(const std::string& path);

// The JPEG file's bytes with an ICC colour profile segment put in after its
// start marker, the profile's bytes as given (whole, cut short or garbage).
QByteArray withIccProfile(const QByteArray& jpeg, const QByteArray& profile);

// The JPEG file's bytes with an EXIF segment that holds only the orientation
// tag (1 to 8) put in after its start marker.
QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation);

// Writes bytes as a file and returns its native path.
std::string writeBytes(const QString& folder, const QString& name, const QByteArray& bytes);

} // namespace photos
