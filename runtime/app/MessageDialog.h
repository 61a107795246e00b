#pragma once
// MessageDialog: a modal alert with up to three buttons, and MsgBox.
//
// ShowModal and ShowModalWithin block the caller (the main thread or a
// thread's fiber) in a nested event loop until the alert ends, and return the
// button that ended it: one of the dialog's own three objects, so callers
// compare by identity. Escape and the window's close button press the visible
// button whose Cancel is True (by default CancelButton); when no such button
// is visible they end the alert with no button and the call returns nil.

#include <memory>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class Window;

class MessageDialogButton : public Object {
public:
    // "" shows the toolkit's translated text of the matching standard button
    // ("OK", "キャンセル", "変更を破棄" for action, cancel and alternate).
    const String& Caption() const { return caption_; }
    void SetCaption(const String& caption) { caption_ = caption; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

    // The button Return presses.
    bool Default() const { return default_; }
    void SetDefault(bool value) { default_ = value; }

    // The button Escape presses.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }

private:
    friend class MessageDialog;
    MessageDialogButton(bool visible, bool isDefault, bool isCancel)
        : visible_(visible), default_(isDefault), cancel_(isCancel) {}

    String caption_;
    bool visible_;
    bool default_;
    bool cancel_;
};

using MessageDialogButtonRef = std::shared_ptr<MessageDialogButton>;

class MessageDialog : public Object {
public:
    // Icon values.
    enum { IconNote = 0, IconCaution = 1, IconStop = 2, IconQuestion = 3 };

    // ActionButton visible and default; CancelButton hidden and cancel;
    // AlternateActionButton hidden; icon note; everything else "".
    MessageDialog();

    int Icon() const { return icon_; }
    void SetIcon(int icon) { icon_ = icon; }
    const String& Title() const { return title_; }
    void SetTitle(const String& title) { title_ = title; }
    const String& Message() const { return message_; }
    void SetMessage(const String& message) { message_ = message; }
    // Shown below the message; "" shows nothing.
    const String& Explanation() const { return explanation_; }
    void SetExplanation(const String& explanation) { explanation_ = explanation; }

    const MessageDialogButtonRef& ActionButton() const { return action_; }
    const MessageDialogButtonRef& CancelButton() const { return cancel_; }
    const MessageDialogButtonRef& AlternateActionButton() const { return alternate_; }

    // Application-modal.
    MessageDialogButtonRef ShowModal();
    // Modal within parent (a sheet-like window-modal alert over it); nil
    // parent: as ShowModal.
    MessageDialogButtonRef ShowModalWithin(const std::shared_ptr<Window>& parent);

private:
    int icon_ = IconNote;
    String title_;
    String message_;
    String explanation_;
    MessageDialogButtonRef action_;
    MessageDialogButtonRef cancel_;
    MessageDialogButtonRef alternate_;
};

using MessageDialogRef = std::shared_ptr<MessageDialog>;

// An application-modal alert with the message and an "OK" button; returns
// when it is closed.
void MsgBox(const String& message);

}  // namespace runtime
