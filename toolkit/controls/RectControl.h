#pragma once

#include "toolkit/core/Color.h"
#include "toolkit/core/Control.h"

#include <QPointer>

#include <string>

class QWidget;

namespace tk {

// A control with a place in its window's content area. Its position is in
// content-area coordinates (also for controls inside a group box); when the
// window is resized it keeps its distances to the edges it is locked to, and
// stretches when locked to two opposite edges.
class RectControl : public Control {
  public:
    ~RectControl() override;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);

    bool LockLeft() const { return place_.lockLeft; }
    bool LockTop() const { return place_.lockTop; }
    bool LockRight() const { return place_.lockRight; }
    bool LockBottom() const { return place_.lockBottom; }

    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);
    // Shown as the control's tool tip; assistive tools read it as its description.
    std::string HelpTag() const;
    void setHelpTag(const std::string& tag);
    // What assistive tools call the control, for one whose own text does not say
    // it (a picture, a field named by the label before it); "" leaves it to that text.
    void setAccessibleName(const std::string& name);

    // Redraws the control.
    void Refresh(bool eraseBackground = true);

    // Toolkit-internal.
    QWidget* qwidget() const;
    void attachTo(Window& window) override;
    // Places the control for the content area's new size, by its edge locks.
    void followContentSize(int contentWidth, int contentHeight) override;

  protected:
    // The control takes the widget over; the window's content area becomes its parent.
    explicit RectControl(QWidget* widget);
    bool applyStoredProperty(const std::string& name, const Variant& value) override;
    // Applies the text-font properties shared by every control that shows text.
    bool applyFontProperty(const std::string& name, const Variant& value);

  private:
    void place();
    void setGeometry(int left, int top, int width, int height);
    void showWhereSeen();
    void rebase();

    QPointer<QWidget> widget_;
    // Position and size as set, with the content-area size they were set for.
    struct Placement {
        int left = 0, top = 0, width = 0, height = 0;
        int contentWidth = 0, contentHeight = 0;
        bool lockLeft = true, lockTop = true, lockRight = false, lockBottom = false;
    } place_;
    bool visible_ = true;
};

} // namespace tk
