#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <string>

class QLabel;

namespace tk {

// A line (or, with Multiline, a block) of text that the user cannot edit.
class Label : public RectControl {
  public:
    Label();

    // The text exactly as set, even bytes that are no UTF-8 (a file name's,
    // say), which the label shows as best it can.
    std::string Text() const;
    void setText(const std::string& text);
    // 0 left, 1 centred, 2 right.
    void setTextAlign(int align);
    void setTextColor(Color color);

    Event<void(Label&)> Open;
    void raiseOpen() override { Open.raise(*this); }

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    QLabel* label() const;
    std::string text_;
};

} // namespace tk
