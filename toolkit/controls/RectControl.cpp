#include "toolkit/controls/RectControl.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/core/QtText.h"
#include "toolkit/windows/Fonts.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QWidget>

#include <algorithm>

namespace tk {

RectControl::RectControl(QWidget* widget) : widget_(widget) {}

RectControl::~RectControl() {
    // Until the control is attached, it owns its widget; afterwards the window does.
    if (widget_ && !widget_->parent())
        delete widget_.data();
}

QWidget* RectControl::qwidget() const {
    requireMainThread();
    if (!widget_)
        throw NilObjectException();
    return widget_;
}

void RectControl::attachTo(Window& window) {
    Control::attachTo(window);
    QWidget* content = deref(window.widget()).contentArea();
    qwidget()->setParent(content);
    place_.contentWidth = content->width();
    place_.contentHeight = content->height();
    showWhereSeen();
}

int RectControl::Left() const { return qwidget()->x(); }
int RectControl::Top() const { return qwidget()->y(); }
int RectControl::Width() const { return qwidget()->width(); }
int RectControl::Height() const { return qwidget()->height(); }

void RectControl::rebase() {
    // Positions set now are relative to the content area as it is now.
    QWidget* w = qwidget();
    place_.left = w->x();
    place_.top = w->y();
    place_.width = w->width();
    place_.height = w->height();
    if (QWidget* content = w->parentWidget()) {
        place_.contentWidth = content->width();
        place_.contentHeight = content->height();
    }
}

void RectControl::setLeft(int left) {
    rebase();
    place_.left = left;
    place();
}
void RectControl::setTop(int top) {
    rebase();
    place_.top = top;
    place();
}
void RectControl::setWidth(int width) {
    rebase();
    place_.width = width;
    place();
}
void RectControl::setHeight(int height) {
    rebase();
    place_.height = height;
    place();
}

void RectControl::place() {
    setGeometry(place_.left, place_.top, place_.width, place_.height);
}

void RectControl::setGeometry(int left, int top, int width, int height) {
    qwidget()->setGeometry(left, top, std::max(0, width), std::max(0, height));
    showWhereSeen();
}

// A visible control placed wholly outside the content area cannot be seen: its
// widget is hidden, so that neither the keyboard's focus nor an assistive tool
// reaches it, until the area grows to take it in. (A control of no size counts
// as the point at its place.)
// Until the control is attached its widget has no parent, and showing it would
// make it a window of its own: attaching shows it.
void RectControl::showWhereSeen() {
    QWidget* w = qwidget();
    const QWidget* content = w->parentWidget();
    if (!content)
        return;
    const QRect place(w->pos(), w->size().expandedTo(QSize(1, 1)));
    w->setVisible(visible_ && place.intersects(content->rect()));
}

void RectControl::followContentSize(int contentWidth, int contentHeight) {
    const int dw = contentWidth - place_.contentWidth;
    const int dh = contentHeight - place_.contentHeight;
    int left = place_.left, width = place_.width, top = place_.top, height = place_.height;
    if (place_.lockRight) {
        if (place_.lockLeft)
            width += dw;
        else
            left += dw;
    }
    if (place_.lockBottom) {
        if (place_.lockTop)
            height += dh;
        else
            top += dh;
    }
    setGeometry(left, top, width, height);
}

bool RectControl::Visible() const {
    requireMainThread();
    return visible_;
}

void RectControl::setVisible(bool visible) {
    visible_ = visible;
    showWhereSeen();
}

bool RectControl::Enabled() const { return qwidget()->isEnabled(); }
void RectControl::setEnabled(bool enabled) { qwidget()->setEnabled(enabled); }
std::string RectControl::HelpTag() const { return fromQt(qwidget()->toolTip()); }
void RectControl::setHelpTag(const std::string& tag) { qwidget()->setToolTip(toQt(tag)); }
void RectControl::setAccessibleName(const std::string& name) {
    qwidget()->setAccessibleName(toQt(name));
}

void RectControl::Refresh(bool) { qwidget()->update(); }

bool RectControl::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
        int& field = name == "Left" ? place_.left : name == "Top" ? place_.top : name == "Width" ? place_.width
                                                                                                : place_.height;
        field = value.toInt();
        place();
    } else if (name == "LockLeft") {
        place_.lockLeft = value.toBool();
    } else if (name == "LockTop") {
        place_.lockTop = value.toBool();
    } else if (name == "LockRight") {
        place_.lockRight = value.toBool();
    } else if (name == "LockBottom") {
        place_.lockBottom = value.toBool();
    } else if (name == "Visible") {
        setVisible(value.toBool());
    } else if (name == "Enabled") {
        setEnabled(value.toBool());
    } else if (name == "HelpTag") {
        setHelpTag(value.toString());
    } else if (name == "TabIndex" || name == "TabStop") {
        // Focus order follows creation order; controls that take focus say so themselves.
    } else {
        return Control::applyStoredProperty(name, value);
    }
    return true;
}

bool RectControl::applyFontProperty(const std::string& name, const Variant& value) {
    QWidget* w = qwidget();
    QFont font = w->font();
    if (name == "TextFont")
        setFontFamily(font, value.toString());
    else if (name == "TextSize")
        setFontSize(font, value.toInt());
    else if (name == "Bold")
        font.setBold(value.toBool());
    else if (name == "Italic")
        font.setItalic(value.toBool());
    else if (name == "Underline")
        font.setUnderline(value.toBool());
    else
        return false;
    w->setFont(font);
    return true;
}

} // namespace tk
