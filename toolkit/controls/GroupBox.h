#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <string>

class QGroupBox;

namespace tk {

// A frame with a caption around a group of controls. The controls of a group
// are placed in window coordinates like any other and are drawn above it;
// hiding the frame leaves them as they are.
class GroupBox : public RectControl {
  public:
    GroupBox();

    std::string Caption() const;
    void setCaption(const std::string& caption);

    Event<void(GroupBox&)> Open;
    void raiseOpen() override { Open.raise(*this); }

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    QGroupBox* group() const;
};

} // namespace tk
