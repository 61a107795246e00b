#include "runtime/ui/Label.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "runtime/ui/QtText.h"
#include "runtime/ui/TextStyle.h"

namespace runtime {

Label::Label() : Control(new QLabel) {
    NativeLabel()->setTextFormat(Qt::PlainText);
    ApplyLook();
}

QLabel* Label::NativeLabel() const {
    return static_cast<QLabel*>(NativeWidget());
}

void Label::SetText(const String& text) {
    text_ = text;
    if (QLabel* label = NativeLabel()) {
        QString shown = detail::ToQString(text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        label->setText(shown);
        label->setAccessibleName(shown);
    }
}

void Label::SetTextAlign(int align) { textAlign_ = align; ApplyLook(); }
void Label::SetTextColor(const Color& color) { textColor_ = color; ApplyLook(); }
void Label::SetTextSize(double size) { textSize_ = size; ApplyFont(); }
void Label::SetTextUnit(int unit) { textUnit_ = unit; ApplyFont(); }
void Label::SetTextFont(const String& font) { textFont_ = font; ApplyFont(); }
void Label::SetBold(bool v) { bold_ = v; ApplyFont(); }
void Label::SetItalic(bool v) { italic_ = v; ApplyFont(); }
void Label::SetUnderline(bool v) { underline_ = v; ApplyFont(); }
void Label::SetMultiline(bool v) { multiline_ = v; ApplyLook(); }
void Label::SetSelectable(bool v) { selectable_ = v; ApplyLook(); }
void Label::SetTransparent(bool v) { transparent_ = v; ApplyLook(); }

void Label::ApplyFont() {
    QLabel* label = NativeLabel();
    if (label == nullptr)
        return;
    label->setFont(detail::ToQFont({textFont_, textSize_, textUnit_, bold_, italic_, underline_}));
}

void Label::ApplyLook() {
    QLabel* label = NativeLabel();
    if (label == nullptr)
        return;
    Qt::Alignment align = Qt::AlignLeft;
    if (textAlign_ == 1)
        align = Qt::AlignHCenter;
    else if (textAlign_ == 2)
        align = Qt::AlignRight;
    label->setAlignment(align | (multiline_ ? Qt::AlignTop : Qt::AlignVCenter));
    label->setWordWrap(multiline_);
    label->setTextInteractionFlags(selectable_ ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                               : Qt::NoTextInteraction);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, detail::ToQColor(textColor_));
    label->setPalette(palette);
    label->setAutoFillBackground(!transparent_);
}

}  // namespace runtime
