#include "runtime/ui/Label.h"

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "runtime/ui/detail/QtText.h"

namespace runtime {

Label::Label() : TextControl(new QLabel) {
    NativeLabel()->setTextFormat(Qt::PlainText);
    ApplyLook();
}

QLabel* Label::NativeLabel() const { return static_cast<QLabel*>(NativeWidget()); }

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

void Label::SetTextAlign(int align) {
    textAlign_ = align;
    ApplyLook();
}
void Label::SetTextColor(const Color& color) {
    textColor_ = color;
    ApplyLook();
}
void Label::SetMultiline(bool v) {
    multiline_ = v;
    ApplyLook();
}
void Label::SetSelectable(bool v) {
    selectable_ = v;
    ApplyLook();
}
void Label::SetTransparent(bool v) {
    transparent_ = v;
    ApplyLook();
}

void Label::ShowFont(const QFont& font) {
    if (QLabel* label = NativeLabel()) label->setFont(font);
}

void Label::ApplyLook() {
    QLabel* label = NativeLabel();
    if (label == nullptr) return;
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
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, detail::ToQColor(textColor_));
    label->setPalette(palette);
    label->setAutoFillBackground(!transparent_);
}

}  // namespace runtime
