#pragma once
// The framework's text style of a control (font, size and unit, bold, italic,
// underline) as a Qt font.

#include <QFont>

#include "runtime/core/String.h"

namespace runtime::detail {

struct TextStyle {
    String font;          // "System" or "": the application's default font
    double size = 0;      // 0: the default size
    int unit = 0;         // 1: pixels; anything else: points
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

QFont ToQFont(const TextStyle& style);

}  // namespace runtime::detail
