#pragma once

#include "toolkit/core/Ref.h"

#include <string>
#include <utility>

namespace tk {

// One button of a MessageDialog. The action button is shown whatever its Visible says.
class MessageDialogButton {
  public:
    MessageDialogButton(std::string caption, bool visible) : Caption(std::move(caption)), Visible(visible) {}

    std::string Caption;
    bool Visible;
};

// A modal dialog with a message, an explanation in smaller type below it, an
// icon and up to two buttons: the action button ("OK", shown) and the cancel
// button ("Cancel", hidden until made visible).
class MessageDialog {
  public:
    // 0 information, 1 caution, 2 stop, 3 question; any other code shows no icon.
    int Icon = 0;
    std::string Message;
    std::string Explanation;
    Ref<MessageDialogButton> ActionButton = makeRef<MessageDialogButton>("OK", true);
    Ref<MessageDialogButton> CancelButton = makeRef<MessageDialogButton>("Cancel", false);

    // Shows the dialog and returns the button that the user pressed.
    Ref<MessageDialogButton> ShowModal();
};

} // namespace tk
