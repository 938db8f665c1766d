#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <QPointer>

#include <string>

class QLabel;
class QWidget;

namespace tk {

// A line (or, with Multiline, a block) of text that the user cannot edit. With
// the stored property LabelFor it is the caption that assistive tools name another
// control by.
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
    // Names the labelled control after the text, without the colon that ends a caption.
    void nameLabelled();
    // Makes this label name a control of its window created before it (stored property LabelFor).
    void labelFor(const std::string& controlName);

    std::string text_;
    QPointer<QWidget> labelled_;
};

} // namespace tk
