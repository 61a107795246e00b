#pragma once
// The facts the matching rules and the search road's scans ask of one item,
// each read at first need and then kept, so that the three catalogue scans of
// the search share them: its name, its extension, whether it is an
// application package, and its type and creator.

#include <optional>

#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"

class ItemFacts {
public:
    ItemFacts() = default;
    explicit ItemFacts(runtime::FolderItemRef item) : item_(std::move(item)) {}

    // Nil for the empty facts.
    const runtime::FolderItemRef& Item() const { return item_; }

    const runtime::String& Name();
    // Globals::gExtractExtn of the name.
    const runtime::String& Extension();
    // Globals::gAppPackage: the extension "app" and the Mac type "fold".
    bool AppPackage();
    // Globals::gGetTypeCre: a package's PkgInfo, else the Mac type and creator.
    const runtime::String& TypeCreator();

private:
    runtime::FolderItemRef item_;
    std::optional<runtime::String> name_;
    std::optional<runtime::String> extension_;
    std::optional<bool> appPackage_;
    std::optional<runtime::String> typeCreator_;
};
