#pragma once
// The lookups' way into a folder by name.

#include "runtime/core/String.h"
#include "runtime/files/FolderItem.h"

// The existing entry of that name in folder, or nil. An empty name finds
// nothing: it would name the folder itself.
inline runtime::FolderItemRef ExistingChild(const runtime::FolderItemRef& folder, const runtime::String& name) {
    if (!folder || name.IsEmpty()) return nullptr;
    const runtime::FolderItemRef f = folder->Child(name);
    return f && f->Exists() ? f : nullptr;
}
