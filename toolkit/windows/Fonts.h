#pragma once

// How the font names and sizes of stored layouts map onto this desktop's fonts.
// Toolkit-internal.
#include <QFont>

#include <string>

namespace tk {

// The desktop's font at the toolkit's default size: what "System" names.
QFont systemFont();

// "System" and fonts this machine lacks become the desktop's sans-serif font.
void setFontFamily(QFont& font, const std::string& family);

// Sizes are in pixels, as the stored layouts were drawn; 0 is the default size.
void setFontSize(QFont& font, int size);

} // namespace tk
