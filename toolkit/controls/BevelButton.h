#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"
#include "toolkit/core/Ref.h"

#include <string>

namespace tk {

class BevelButtonWidget;
class MenuItem;

// A small bevelled button with a caption and, on a right-click, a contextual
// menu the application builds.
class BevelButton : public RectControl {
  public:
    BevelButton();
    ~BevelButton() override;

    std::string Caption() const;
    void setCaption(const std::string& caption);
    // 0 flush left, 1 flush right, 2 the system's default (centred), 3 centred.
    int CaptionAlign() const { return captionAlign_; }
    void setCaptionAlign(int align);
    // Pressed or not; only a button whose ButtonType is not 0 (push button) stays pressed.
    bool Value() const;
    void setValue(bool value);
    void setTextColor(Color color);

    Event<void(BevelButton&)> Action;
    // Raised on a right-click at (x, y) in the button with an empty base. The
    // handler appends entries to base and returns True to have them shown as a menu there.
    Event<bool(BevelButton&, Ref<MenuItem> base, int x, int y)> ConstructContextualMenu;
    // Raised with the entry the user chose from that menu.
    Event<bool(BevelButton&, Ref<MenuItem> hitItem)> ContextualMenuAction;
    Event<void(BevelButton&)> Open;
    void raiseOpen() override { Open.raise(*this); }

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    BevelButtonWidget* button() const;
    void applyBackColor();

    int captionAlign_ = 3;
    bool hasBackColor_ = false;
    Color backColor_ = RGB(255, 255, 255);
};

} // namespace tk
