#include "runtime/app/Application.h"

#include <algorithm>

#include "runtime/files/FolderItem.h"
#include "runtime/ui/MenuItem.h"

namespace runtime {

namespace {

ApplicationRef& Registered() {
    static ApplicationRef app;
    return app;
}

}  // namespace

void Application::_AddMenuHandler(const String& itemName, std::function<bool()> handler) {
    auto existing = std::find_if(menuHandlers_.begin(), menuHandlers_.end(),
                                 [&](const auto& entry) { return entry.first == itemName; });
    if (existing != menuHandlers_.end())
        existing->second = std::move(handler);
    else
        menuHandlers_.emplace_back(itemName, std::move(handler));
}

bool Application::HandleMenuCommand(const String& itemName) const {
    for (const auto& [name, handler] : menuHandlers_) {
        if (name == itemName) return handler && handler();
    }
    return false;
}

std::shared_ptr<FolderItem> Application::ExecutableFile() const { return ApplicationExecutableFile(); }

void RuntimeRegisterAppObject(ApplicationRef app) {
    Registered() = std::move(app);
    if (Registered()) {
        SetMenuCommandHandler([](const String& itemName) {
            const ApplicationRef registered = GetAppObject();
            return registered && registered->HandleMenuCommand(itemName);
        });
    } else {
        SetMenuCommandHandler(nullptr);
    }
}

ApplicationRef GetAppObject() { return Registered(); }

}  // namespace runtime
