#include "toolkit/controls/GroupBox.h"

#include "toolkit/core/QtText.h"

#include <QGroupBox>

namespace tk {

GroupBox::GroupBox() : RectControl(new QGroupBox()) {}

QGroupBox* GroupBox::group() const { return static_cast<QGroupBox*>(qwidget()); }

std::string GroupBox::Caption() const { return fromQt(group()->title()); }
void GroupBox::setCaption(const std::string& caption) { group()->setTitle(toQt(caption)); }

bool GroupBox::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Caption")
        setCaption(value.toString());
    else if (applyFontProperty(name, value))
        ;
    else
        return RectControl::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
