#pragma once
// The responder: answers every modal call instead of a person and is told
// what was asked. Tests install one; the program never does.
//
// The request still goes through the caller's nested loop: the responder is
// called from a zero-time timer inside that loop, so the caller (the main
// thread or a thread's fiber) blocks exactly as it does for a real dialog.

#include <functional>
#include <memory>
#include <optional>

#include "runtime/core/String.h"

namespace runtime {

class Window;
class FolderItem;

enum class ModalKind {
    MessageDialog,   // MessageDialog.ShowModal / ShowModalWithin
    MsgBox,          // MsgBox
    ExceptionAlert,  // the alert of _UnhandledException
    SelectFolder,    // SelectFolderDialog, SelectFolder
    OpenFile,        // GetOpenFolderItem
    Window,          // Window.ShowModal of parent: any answer hides it
};

struct ModalButtonRequest {
    String caption;  // "" shows the toolkit's translated standard text
    bool visible = false;
    bool isDefault = false;
    bool isCancel = false;
};

struct ModalRequest {
    ModalKind kind = ModalKind::MessageDialog;
    std::shared_ptr<Window> parent;  // nullptr: application-modal
    int beeps = 0;                   // Beep calls since the previous modal call

    // Alerts.
    int icon = -1;  // 0 note, 1 caution, 2 stop, 3 question, other: none
    String title;
    String message;
    String explanation;
    ModalButtonRequest action;
    ModalButtonRequest cancel;
    ModalButtonRequest alternate;

    // Choosers; the action and cancel captions above name their two buttons.
    String prompt;
    std::shared_ptr<FolderItem> initialDirectory;
    String filter;  // GetOpenFolderItem's file type filter
};

struct ModalAnswer {
    enum class Button { Action, Cancel, Alternate, Closed };

    Button button = Button::Closed;    // alerts; Closed: ended without a button
    std::shared_ptr<FolderItem> item;  // choosers; nullptr: cancelled

    static ModalAnswer Press(Button b) { return ModalAnswer{b, nullptr}; }
    static ModalAnswer Choose(std::shared_ptr<FolderItem> chosen) {
        return ModalAnswer{chosen ? Button::Action : Button::Cancel, std::move(chosen)};
    }
};

using ModalResponder = std::function<ModalAnswer(const ModalRequest&)>;

// Installs the responder; an empty function lets people answer again.
void SetModalResponder(ModalResponder responder);

namespace detail {

// A request of the given kind; picks up the beeps counted since the previous one.
ModalRequest NewModalRequest(ModalKind kind, std::shared_ptr<Window> parent);

// Counts one beep for the next request.
void CountBeep();

// With a responder installed: blocks the caller in a nested loop until the
// responder, called from inside that loop, has answered, and returns its
// answer (an exception it throws is rethrown here; Closed with no item when
// the application quits first). Without one: nothing.
std::optional<ModalAnswer> AskResponder(const ModalRequest& request);

}  // namespace detail

}  // namespace runtime
