#include "toolkit/windows/MessageDialog.h"

#include "toolkit/windows/DialogHost.h"

namespace tk {

Ref<MessageDialogButton> MessageDialog::ShowModal() {
    requireMainThread();
    MessageDialogRequest request;
    request.icon = Icon;
    request.message = Message;
    request.explanation = Explanation;
    request.actionCaption = ActionButton->Caption;
    request.cancelVisible = CancelButton->Visible;
    request.cancelCaption = CancelButton->Caption;
    const bool cancelled = dialogHost().showMessageDialog(request) == MessageDialogChoice::cancelButton;
    return cancelled && request.cancelVisible ? CancelButton : ActionButton;
}

} // namespace tk
