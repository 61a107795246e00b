#include "runtime/ui/MenuShortcut.h"

#include <QStringList>

#include "runtime/ui/detail/QtText.h"

namespace runtime {

QString ShortcutText(const String& shortcut) {
    const QStringList parts = detail::ToQString(shortcut).split(QLatin1Char('+'));
    bool ctrl = false, alt = false, shift = false, meta = false;
    QString key;
    for (int i = 0; i < parts.size(); ++i) {
        const QString part = parts[i].trimmed();
        // "Cmd++" names the plus key: an empty part after the last separator.
        if (part.isEmpty()) {
            if (i == parts.size() - 1 && i > 0) key = QStringLiteral("+");
            continue;
        }
        const QString word = part.toLower();
        if (word == u"cmd" || word == u"command")
            ctrl = true;
        else if (word == u"shift")
            shift = true;
        else if (word == u"option" || word == u"opt" || word == u"alt")
            alt = true;
        else if (word == u"ctrl" || word == u"control")
            meta = true;
        else
            key = part.size() == 1 ? part.toUpper() : part;
    }
    if (key.isEmpty()) return {};
    if (!ctrl && !alt && !shift && !meta && key.size() == 1) ctrl = true;
    QString text;
    if (ctrl) text += QStringLiteral("Ctrl+");
    if (alt) text += QStringLiteral("Alt+");
    if (shift) text += QStringLiteral("Shift+");
    if (meta) text += QStringLiteral("Meta+");
    return text + key;
}

QKeySequence ShortcutKeySequence(const String& shortcut) {
    return QKeySequence(ShortcutText(shortcut), QKeySequence::PortableText);
}

}  // namespace runtime
