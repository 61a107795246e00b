#include "runtime/app/Desktop.h"

#include <QDesktopServices>
#include <QUrl>

#include "runtime/files/FolderItem.h"

namespace runtime {

bool ShowURL(const String& url) {
    const QUrl address(QString::fromStdString(url.ToUTF8()));
    return address.isValid() && !address.scheme().isEmpty() && QDesktopServices::openUrl(address);
}

// The desktop brings the application it starts to the front by itself, so
// activate asks for nothing more.
bool FolderItem::Launch(bool /*activate*/) const {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(NativePath())));
}

}  // namespace runtime
