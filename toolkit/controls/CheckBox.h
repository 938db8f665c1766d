#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <string>

class QCheckBox;

namespace tk {

// A check box. Action is raised whenever its value changes, by a click or by code.
class CheckBox : public RectControl {
  public:
    CheckBox();

    bool Value() const;
    void setValue(bool ticked);
    std::string Caption() const;
    void setCaption(const std::string& caption);

    Event<void(CheckBox&)> Action;
    Event<void(CheckBox&)> Open;
    void raiseOpen() override { Open.raise(*this); }

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    QCheckBox* box() const;
};

} // namespace tk
