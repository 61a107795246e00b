#pragma once
// MenuItem: a menu or an item of a menu; a menu is an item with children.
//
// Text "-" makes a separator; "&" marks a mnemonic and is passed on as given.
// Choosing an item runs the runtime's own behaviour when it has one (the quit
// item, the Edit items, see EditCommands.h); any other item goes to the menu
// command handler that the application installs.

#include <functional>
#include <memory>
#include <vector>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class MenuItem : public Object {
public:
    MenuItem() = default;

    const String& Name() const { return name_; }
    void SetName(const String& name);
    const String& Text() const { return text_; }
    void SetText(const String& text);
    bool IsSeparator() const { return text_.Bytes() == "-"; }
    // "Cmd+Q", "Cmd+Shift+Z"; "" for none (see MenuShortcut.h).
    const String& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const String& shortcut);
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The direct child of that name (letter case ignored), nil when there is none.
    std::shared_ptr<MenuItem> Child(const String& name) const;
    // Adds item at the end; nil is ignored.
    void Append(const std::shared_ptr<MenuItem>& item);
    int Count() const { return static_cast<int>(children_.size()); }
    // Items count from 0; nil outside 0 ... Count() - 1.
    std::shared_ptr<MenuItem> Item(int index) const;
    std::shared_ptr<MenuItem> Parent() const { return parent_.lock(); }

    // What choosing the item does; nothing while it is disabled.
    virtual void Choose();

protected:
    // Tells the menu bar above, if any, to show the change.
    void Changed();

private:
    String name_;
    String text_;
    String shortcut_;
    bool autoEnable_ = true;
    bool enabled_ = true;
    std::weak_ptr<MenuItem> parent_;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// Quits the application: closes every open window, then quits the event loop.
class QuitMenuItem : public MenuItem {
public:
    void Choose() override;
};

// The application's About item; it is shown where it is appended.
class AppleMenuItem : public MenuItem {};

using MenuItemRef = std::shared_ptr<MenuItem>;

// The application's dispatcher for chosen items without runtime behaviour;
// it gets the item's Name and returns whether it handled it.
void SetMenuCommandHandler(std::function<bool(const String& itemName)> handler);

}  // namespace runtime
