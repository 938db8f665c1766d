#include "toolkit/CheckBox.h"

#include "toolkit/QtText.h"

#include <QCheckBox>

namespace tk {

CheckBox::CheckBox() : RectControl(new QCheckBox()) {
    QObject::connect(box(), &QCheckBox::toggled, box(), [this] { Action.raise(*this); });
}

QCheckBox* CheckBox::box() const { return static_cast<QCheckBox*>(qwidget()); }

bool CheckBox::Value() const { return box()->isChecked(); }
void CheckBox::setValue(bool ticked) { box()->setChecked(ticked); }
std::string CheckBox::Caption() const { return fromQt(box()->text()); }
void CheckBox::setCaption(const std::string& caption) { box()->setText(toQt(caption)); }

bool CheckBox::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Caption")
        setCaption(value.toString());
    else if (name == "Value" || name == "State")
        setValue(value.toBool());
    else if (applyFontProperty(name, value))
        ;
    else
        return RectControl::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
