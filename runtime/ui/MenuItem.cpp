#include "runtime/ui/MenuItem.h"

#include <QApplication>
#include <QCoreApplication>

#include "runtime/ui/EditCommands.h"
#include "runtime/ui/MenuBar.h"
#include "runtime/ui/Window.h"

namespace runtime {

namespace {

std::function<bool(const String&)>& CommandHandler() {
    static std::function<bool(const String&)> handler;
    return handler;
}

}  // namespace

void SetMenuCommandHandler(std::function<bool(const String& itemName)> handler) {
    CommandHandler() = std::move(handler);
}

void MenuItem::SetName(const String& name) {
    name_ = name;
    Changed();
}

void MenuItem::SetText(const String& text) {
    text_ = text;
    Changed();
}

void MenuItem::SetKeyboardShortcut(const String& shortcut) {
    shortcut_ = shortcut;
    Changed();
}

void MenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
    for (const auto& child : children_)
        if (child->Name() == name) return child;
    return nullptr;
}

void MenuItem::Append(const std::shared_ptr<MenuItem>& item) {
    if (!item || item.get() == this) return;
    item->parent_ = std::static_pointer_cast<MenuItem>(weak_from_this().lock());
    children_.push_back(item);
    Changed();
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return children_[static_cast<size_t>(index)];
}

void MenuItem::Changed() {
    MenuItem* item = this;
    while (auto parent = item->Parent()) item = parent.get();
    if (auto* bar = dynamic_cast<MenuBar*>(item)) bar->Rebuild();
}

void MenuItem::Choose() {
    if (!enabled_) return;
    const EditCommand edit = EditCommandFor(name_);
    if (edit != EditCommand::None) {
        PerformEditCommand(edit, QApplication::focusWidget());
        return;
    }
    if (auto& handler = CommandHandler()) handler(name_);
}

void QuitMenuItem::Choose() {
    if (!Enabled()) return;
    for (const auto& window : OpenWindows()) window->Close();
    QCoreApplication::quit();
}

}  // namespace runtime
