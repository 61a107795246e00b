#include "runtime/app/MessageDialog.h"

#include "runtime/app/AlertBox.h"

namespace runtime {

namespace {

ModalButtonRequest Describe(const MessageDialogButton& button) {
    return {button.Caption(), button.Visible(), button.Default(), button.Cancel()};
}

}  // namespace

MessageDialog::MessageDialog()
    : action_(new MessageDialogButton(true, true, false)),
      cancel_(new MessageDialogButton(false, false, true)),
      alternate_(new MessageDialogButton(false, false, false)) {}

MessageDialogButtonRef MessageDialog::ShowModal() { return ShowModalWithin(nullptr); }

MessageDialogButtonRef MessageDialog::ShowModalWithin(const std::shared_ptr<Window>& parent) {
    ModalRequest request = detail::NewModalRequest(ModalKind::MessageDialog, parent);
    request.icon = icon_;
    request.title = title_;
    request.message = message_;
    request.explanation = explanation_;
    request.action = Describe(*action_);
    request.cancel = Describe(*cancel_);
    request.alternate = Describe(*alternate_);

    switch (detail::ShowAlert(request)) {
    case ModalAnswer::Button::Action: return action_;
    case ModalAnswer::Button::Cancel: return cancel_;
    case ModalAnswer::Button::Alternate: return alternate_;
    case ModalAnswer::Button::Closed: break;
    }
    return nullptr;
}

void MsgBox(const String& message) {
    ModalRequest request = detail::NewModalRequest(ModalKind::MsgBox, nullptr);
    request.message = message;
    request.action = {String(), true, true, false};
    detail::ShowAlert(request);
}

}  // namespace runtime
