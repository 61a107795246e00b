#pragma once
// Internal: the one alert behind MessageDialog, MsgBox and the exception
// alert. Asks the responder when one is installed, otherwise shows a
// QMessageBox; either way the caller blocks in a nested loop on its stack.

#include "runtime/app/ModalResponder.h"

namespace runtime::detail {

// Shows request (kind, icon, title, message, explanation, the three buttons,
// parent) and returns the button that ended it (a responder's press of a
// hidden button counts as Closed). Escape and the window's close
// button press the visible button marked cancel; without one they end the
// alert with Closed.
ModalAnswer::Button ShowAlert(const ModalRequest& request);

}  // namespace runtime::detail
