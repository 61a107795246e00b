#pragma once
// The framework's text style of a control (font, size and unit, bold, italic,
// underline) as a Qt font. Sizes are measured as the window designs mean
// them: at 72 dots per inch, so a size of 12 points or pixels is 12 pixels.

#include <QFont>

#include "runtime/core/String.h"

namespace runtime::detail {

struct TextStyle {
    String font;      // "System" or "": the application's default font
    double size = 0;  // 0: the default size
    int unit = 0;     // 0 default, 1 pixel, 2 point, 3 inch, 4 millimetre
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont ToQFont(const TextStyle& style);

}  // namespace runtime::detail
