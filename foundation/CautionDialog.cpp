#include "foundation/CautionDialog.h"

#include "runtime/app/Beep.h"
#include "runtime/app/MessageDialog.h"

using namespace runtime;

namespace Globals {

int32_t gCautionDlg(const std::shared_ptr<Window>& parent, bool beep, int32_t buttonCount,
                    const String& alternateCaption, const String& cancelCaption, const String& actionCaption,
                    const String& message, const String& explanation) {
    auto dialog = std::make_shared<MessageDialog>();
    if (beep) Beep();
    dialog->SetIcon(MessageDialog::IconCaution);
    if (buttonCount > 2) {
        dialog->AlternateActionButton()->SetVisible(true);
        dialog->AlternateActionButton()->SetCaption(alternateCaption);
    }
    if (buttonCount > 1) {
        dialog->CancelButton()->SetVisible(true);
        dialog->CancelButton()->SetCaption(cancelCaption);
    }
    dialog->ActionButton()->SetCaption(actionCaption);
    dialog->SetMessage(message);
    dialog->SetExplanation(explanation);

    const MessageDialogButtonRef pressed = parent ? dialog->ShowModalWithin(parent) : dialog->ShowModal();
    if (pressed && pressed == dialog->AlternateActionButton()) return kAlternateButton;
    if (pressed && pressed == dialog->CancelButton()) return kCancelButton;
    if (pressed && pressed == dialog->ActionButton()) return kActionButton;
    return kCancelButton;
}

}  // namespace Globals
