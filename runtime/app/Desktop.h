#pragma once
// Handing things to the desktop: a web address to the browser, a document to
// the application the system assigns to it (FolderItem::Launch, declared in
// runtime/files/FolderItem.h and defined here).

#include "runtime/core/String.h"

namespace runtime {

// Opens the address in the user's web browser. An address without a scheme
// ("" included) or a malformed one opens nothing.
void ShowURL(const String& url);

}  // namespace runtime
