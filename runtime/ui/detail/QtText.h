#pragma once
// Text and colour crossings between the framework's values and Qt's.

#include <QColor>
#include <QString>

#include "runtime/core/String.h"
#include "runtime/ui/Color.h"

namespace runtime::detail {

// The text converted from its tag to UTF-8, then to Qt.
inline QString ToQString(const String& s) { return QString::fromStdString(s.ToUTF8()); }

inline String FromQString(const QString& s) { return String(s.toStdString()); }

inline QColor ToQColor(const Color& c) { return QColor(c.red, c.green, c.blue); }

inline Color FromQColor(const QColor& c) {
    return Color{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue())};
}

}  // namespace runtime::detail
