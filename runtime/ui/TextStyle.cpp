#include "runtime/ui/TextStyle.h"

#include <QApplication>

#include "runtime/ui/QtText.h"

namespace runtime::detail {

QFont ToQFont(const TextStyle& style) {
    QFont font = QApplication::font();
    if (!style.font.IsEmpty() && !(style.font == String("System")))
        font.setFamily(ToQString(style.font));
    if (style.size > 0) {
        if (style.unit == 1)
            font.setPixelSize(static_cast<int>(style.size));
        else
            font.setPointSizeF(style.size);
    }
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

}  // namespace runtime::detail
