#include "runtime/ui/TextStyle.h"

#include <algorithm>

#include <QApplication>

#include "runtime/ui/detail/QtText.h"

namespace runtime::detail {

namespace {

// The window designs were drawn at 72 dots per inch, where a point is a pixel.
double PixelsPerUnit(int unit) {
    switch (unit) {
    case 3: return 72;         // inch
    case 4: return 72 / 25.4;  // millimetre
    default: return 1;         // default, pixel, point
    }
}

}  // namespace

QFont ToQFont(const TextStyle& style) {
    QFont font = QApplication::font();
    if (!style.font.IsEmpty() && !(style.font == String("System"))) font.setFamily(ToQString(style.font));
    if (style.size > 0) font.setPixelSize(std::max(1, qRound(style.size * PixelsPerUnit(style.unit))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

}  // namespace runtime::detail
