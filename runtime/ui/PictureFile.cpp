// FolderItem::OpenAsPicture lives with the pictures: it needs Qt's image readers.

#include "runtime/ui/Picture.h"

#include <QFile>
#include <QImageReader>

#include "runtime/files/FolderItem.h"

namespace runtime {

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const {
    if (!Exists() || Directory()) return nullptr;
    // The format is read from the data (PNG, JPEG, ICO ...), not the name.
    QImageReader reader(QFile::decodeName(QByteArray::fromStdString(NativePath())));
    reader.setDecideFormatFromContent(true);
    return Picture::FromImage(reader.read());
}

}  // namespace runtime
