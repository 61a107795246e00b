#pragma once
// The desktop's icons for MIME types and system icons (internal; Qt).

#include <QIcon>
#include <QString>

#include "platform/icons/SystemIcons.h"

namespace platform::icons {

// True when icons can be drawn here: a GUI application exists and this is its
// thread.
bool CanDrawIcons();

// The icon theme's icon of the MIME type (its own icon, else its generic
// one); without a theme, the toolkit's folder icon for a folder and file icon
// for anything else.
QIcon MimeTypeIcon(const QString& iconName, const QString& genericIconName, bool isFolder);

// The icon theme's icon of the system icon, else the toolkit's standard one.
QIcon SystemIconImage(const SystemIcon& icon);

}  // namespace platform::icons
