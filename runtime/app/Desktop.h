#pragma once
// Handing things to the desktop: a web address to the browser, a document to
// the application the system assigns to it (FolderItem::Launch, declared in
// runtime/files/FolderItem.h and defined here). Both give False when nothing
// could be started to open it: no handler set in the toolkit and no opener or
// browser found. An opener that starts and then fails is not seen here.

#include "runtime/core/String.h"

namespace runtime {

// Opens the address in the user's web browser. An address without a scheme
// ("" included) or a malformed one opens nothing.
[[nodiscard]] bool ShowURL(const String& url);

}  // namespace runtime
