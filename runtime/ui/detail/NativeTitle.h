#pragma once
// The title the window system shows for a top-level widget. Qt shows the
// application's name for a window whose title is empty; the framework's
// windows with an empty title show none.

class QWidget;

namespace runtime::detail {

// Empties the title that the window system shows for the created top-level
// widget window (X11: WM_NAME and _NET_WM_NAME). Elsewhere it does nothing.
void ClearNativeTitle(QWidget& window);

}  // namespace runtime::detail
