#include "toolkit/controls/Label.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/core/QtText.h"
#include "toolkit/windows/Window.h"

#include <QLabel>
#include <QPainter>

namespace tk {

namespace {
// A one-line label whose text would not fit (the desktop's fonts can be wider
// than the ones the layout was drawn with) is drawn in a smaller size that fits.
class FittingLabel : public QLabel {
  protected:
    void paintEvent(QPaintEvent* event) override {
        const QRect area = contentsRect();
        QFont font = this->font();
        if (wordWrap() || text().isEmpty() || font.pixelSize() <= 0 ||
            QFontMetrics(font).horizontalAdvance(text()) <= area.width()) {
            QLabel::paintEvent(event);
            return;
        }
        constexpr int smallestPixelSize = 8;
        while (font.pixelSize() > smallestPixelSize && QFontMetrics(font).horizontalAdvance(text()) > area.width())
            font.setPixelSize(font.pixelSize() - 1);
        QPainter painter(this);
        painter.setFont(font);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        painter.drawText(area, int(alignment()), text());
    }
};
} // namespace

Label::Label() : RectControl(new FittingLabel()) {
    label()->setTextFormat(Qt::PlainText);
    label()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextColor(RGB(0, 0, 0));
}

QLabel* Label::label() const { return static_cast<QLabel*>(qwidget()); }

std::string Label::Text() const {
    requireMainThread();
    return text_;
}

void Label::setText(const std::string& text) {
    label()->setText(toQt(text)); // first: only the main thread may change a label
    text_ = text;
    nameLabelled();
}

void Label::nameLabelled() {
    if (!labelled_)
        return;
    QString name = toQt(text_).trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    labelled_->setAccessibleName(name.trimmed());
}

void Label::labelFor(const std::string& controlName) {
    const auto control = window() ? refCast<RectControl>(window()->_ControlByName(controlName)) : nullptr;
    if (!control)
        throw UnsupportedOperationException("A label names no control \"" + controlName +
                                            "\" of its window.");
    labelled_ = control->qwidget();
    nameLabelled();
}

void Label::setTextAlign(int align) {
    const Qt::Alignment horizontal = align == 1 ? Qt::AlignHCenter : align == 2 ? Qt::AlignRight : Qt::AlignLeft;
    label()->setAlignment(horizontal | (label()->wordWrap() ? Qt::AlignTop : Qt::AlignVCenter));
}

void Label::setTextColor(Color color) {
    QPalette palette = label()->palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    label()->setPalette(palette);
}

bool Label::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Text")
        setText(value.toString());
    else if (name == "TextAlign")
        setTextAlign(value.toInt());
    else if (name == "TextColor")
        setTextColor(value.toColor());
    else if (name == "Multiline") {
        label()->setWordWrap(value.toBool());
        const Qt::Alignment horizontal = label()->alignment() & Qt::AlignHorizontal_Mask;
        label()->setAlignment(horizontal | (value.toBool() ? Qt::AlignTop : Qt::AlignVCenter));
    } else if (name == "Selectable")
        label()->setTextInteractionFlags(value.toBool() ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    else if (name == "Transparent")
        ; // Labels show their window's background either way.
    else if (name == "LabelFor")
        labelFor(value.toString());
    else if (applyFontProperty(name, value))
        ;
    else
        return RectControl::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
