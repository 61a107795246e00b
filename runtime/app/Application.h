#pragma once
// The application object: one per process, registered with the runtime,
// receiving the Open event and the menu commands that windows do not handle.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class FolderItem;
class MenuBar;

class Application : public Object {
public:
    Application() = default;

    // The Open event: raised once the event loop has started, before any
    // user input (see RunFrameworkInitialization).
    virtual void Event_Open() {}

    std::shared_ptr<runtime::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<runtime::MenuBar> menuBar) { menuBar_ = std::move(menuBar); }

    // Registers the handler of the menu item of that name (letter case
    // ignored; a second handler replaces the first). The handler returns True
    // when it has handled the command. Menu commands reach the handlers of the
    // registered application object (RuntimeRegisterAppObject).
    void _AddMenuHandler(const String& itemName, std::function<bool()> handler);

    // Runs the handler of that item; False when there is none or it declines.
    [[nodiscard]] bool HandleMenuCommand(const String& itemName) const;

    // The running program's executable file.
    std::shared_ptr<FolderItem> ExecutableFile() const;

private:
    std::shared_ptr<runtime::MenuBar> menuBar_;
    std::vector<std::pair<String, std::function<bool()>>> menuHandlers_;
};

using ApplicationRef = std::shared_ptr<Application>;

// Registers the application object (nil unregisters it) and routes the menu
// commands to it.
void RuntimeRegisterAppObject(ApplicationRef app);
// The registered application object, or nil.
ApplicationRef GetAppObject();

}  // namespace runtime
