#pragma once
// The modal choosers: SelectFolderDialog (and SelectFolder) for a folder,
// GetOpenFolderItem for a file. Each blocks the caller (the main thread or a
// thread's fiber) in a nested event loop and gives the chosen item, or nil
// when the user cancels. They are the toolkit's own (not the desktop's)
// file dialogs, so they look and translate the same everywhere.

#include <memory>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class FolderItem;
class Window;

class FolderItemDialog : public Object {
public:
    // The window's title; "" keeps the toolkit's.
    const String& Title() const { return title_; }
    void SetTitle(const String& title) { title_ = title; }
    // Shown above the file list; "" shows none.
    const String& PromptText() const { return prompt_; }
    void SetPromptText(const String& prompt) { prompt_ = prompt; }
    // "" keeps the toolkit's translated captions.
    const String& ActionButtonCaption() const { return actionCaption_; }
    void SetActionButtonCaption(const String& caption) { actionCaption_ = caption; }
    const String& CancelButtonCaption() const { return cancelCaption_; }
    void SetCancelButtonCaption(const String& caption) { cancelCaption_ = caption; }
    // Where the chooser opens: this folder, or its nearest existing parent
    // when it is not there; nil: the home folder.
    const std::shared_ptr<FolderItem>& InitialDirectory() const { return initial_; }
    void SetInitialDirectory(std::shared_ptr<FolderItem> folder) { initial_ = std::move(folder); }

    // Application-modal.
    std::shared_ptr<FolderItem> ShowModal();
    // Modal within parent; nil parent: as ShowModal.
    std::shared_ptr<FolderItem> ShowModalWithin(const std::shared_ptr<Window>& parent);

protected:
    explicit FolderItemDialog(bool choosesFolder) : choosesFolder_(choosesFolder) {}

private:
    bool choosesFolder_;
    String title_;
    String prompt_;
    String actionCaption_;
    String cancelCaption_;
    std::shared_ptr<FolderItem> initial_;
};

class SelectFolderDialog : public FolderItemDialog {
public:
    SelectFolderDialog() : FolderItemDialog(true) {}
};

using SelectFolderDialogRef = std::shared_ptr<SelectFolderDialog>;

// A folder chooser with no prompt, opening in the home folder; nil when
// cancelled.
std::shared_ptr<FolderItem> SelectFolder();

// A chooser of one existing file. The filter names the file types to list;
// every filter lists every file ("anyFile" is the one the program uses).
// nil when cancelled.
std::shared_ptr<FolderItem> GetOpenFolderItem(const String& filter);

}  // namespace runtime
