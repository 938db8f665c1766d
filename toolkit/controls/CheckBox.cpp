#include "toolkit/controls/CheckBox.h"

#include "toolkit/core/QtText.h"

#include <QCheckBox>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tk {

namespace {
// A caption that would not fit beside the box (the desktop's fonts can be
// wider than the ones the layout was drawn with) is drawn smaller, to fit.
class FittingCheckBox : public QCheckBox {
  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const int box = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                        style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
        QFont font = this->font();
        constexpr int smallestPixelSize = 8;
        while (font.pixelSize() > smallestPixelSize &&
               QFontMetrics(font).horizontalAdvance(text()) > width() - box - 2)
            font.setPixelSize(font.pixelSize() - 1);
        painter.setFont(font);
        option.fontMetrics = QFontMetrics(font);
        painter.drawControl(QStyle::CE_CheckBox, option);
    }
};
} // namespace

CheckBox::CheckBox() : RectControl(new FittingCheckBox()) {
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
