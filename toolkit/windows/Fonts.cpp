#include "toolkit/windows/Fonts.h"

#include "toolkit/core/QtText.h"

#include <QApplication>
#include <QFontDatabase>

namespace tk {

namespace {
constexpr int defaultPixelSize = 13;
}

QFont systemFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(defaultPixelSize);
    return font;
}

void setFontFamily(QFont& font, const std::string& family) {
    const QString name = toQt(family);
    if (name.isEmpty() || name == "System" || name == "SmallSystem" || !QFontDatabase::hasFamily(name))
        font.setFamilies({systemFont().family()});
    else
        font.setFamilies({name});
}

void setFontSize(QFont& font, int size) { font.setPixelSize(size > 0 ? size : defaultPixelSize); }

} // namespace tk
