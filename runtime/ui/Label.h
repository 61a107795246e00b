#pragma once
// Label: a static text.
//
// TextAlign: 0 left, 1 centred, 2 right. TextSize 0 is the default size; a
// size counts pixels in the default unit, in pixels and in points (TextStyle.h).
// TextFont "System" (or "") is the application's default font. TextColor is
// the colour of an enabled label; a disabled one shows the toolkit's disabled
// text colour. A carriage return in the text breaks the line. A mouse press on
// a label that is not selectable goes on to its window.

#include <QLabel>

#include "runtime/core/String.h"
#include "runtime/ui/Color.h"
#include "runtime/ui/TextControl.h"

namespace runtime {

class Label : public TextControl {
public:
    Label();

    const String& Text() const { return text_; }
    void SetText(const String& text);
    int TextAlign() const { return textAlign_; }
    void SetTextAlign(int align);
    Color TextColor() const { return textColor_; }
    void SetTextColor(const Color& color);
    bool Multiline() const { return multiline_; }
    void SetMultiline(bool v);
    bool Selectable() const { return selectable_; }
    void SetSelectable(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

protected:
    void ShowFont(const QFont& font) override;

private:
    QLabel* NativeLabel() const;
    void ApplyLook();

    String text_;
    int textAlign_ = 0;
    Color textColor_{0, 0, 0};
    bool multiline_ = false, selectable_ = false, transparent_ = false;
};

using LabelRef = std::shared_ptr<Label>;

}  // namespace runtime
