#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <string>

class QLineEdit;

namespace tk {

// A one-line text field: it never holds a line break (pasted or set ones are
// left out). TextChange is raised whenever the text changes, by typing or by code.
class TextField : public RectControl {
  public:
    TextField();

    std::string Text() const;
    void setText(const std::string& text);
    // The insertion point, 0-based in characters.
    int SelStart() const;
    void setSelStart(int position);
    bool Password() const;
    void setPassword(bool masked);

    Event<void(TextField&)> TextChange;
    Event<void(TextField&)> Open;
    void raiseOpen() override { Open.raise(*this); }

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    QLineEdit* field() const;
};

} // namespace tk
