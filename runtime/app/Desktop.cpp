#include "runtime/app/Desktop.h"

#include <QDesktopServices>
#include <QUrl>

#include "runtime/files/FolderItem.h"

namespace runtime {

void ShowURL(const String& url) {
    const QUrl address(QString::fromStdString(url.ToUTF8()));
    if (address.isValid() && !address.scheme().isEmpty()) QDesktopServices::openUrl(address);
}

// The desktop brings the application it starts to the front by itself, so
// activate asks for nothing more.
void FolderItem::Launch(bool /*activate*/) const {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(NativePath())));
}

}  // namespace runtime
