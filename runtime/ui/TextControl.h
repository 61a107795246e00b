#pragma once
// TextControl: a control that shows text in a style of its own (font, size
// and unit, bold, italic, underline); the base of Label and Listbox.

#include <QFont>

#include "runtime/core/String.h"
#include "runtime/ui/Control.h"
#include "runtime/ui/TextStyle.h"

namespace runtime {

class TextControl : public Control {
public:
    const String& TextFont() const { return style_.font; }
    void SetTextFont(const String& font);
    double TextSize() const { return style_.size; }
    void SetTextSize(double size);
    int TextUnit() const { return style_.unit; }
    void SetTextUnit(int unit);
    bool Bold() const { return style_.bold; }
    void SetBold(bool v);
    bool Italic() const { return style_.italic; }
    void SetItalic(bool v);
    bool Underline() const { return style_.underline; }
    void SetUnderline(bool v);

protected:
    explicit TextControl(QWidget* widget) : Control(widget) {}
    // Gives the control's widget the font of the style, after every change.
    virtual void ShowFont(const QFont& font) = 0;

private:
    void ApplyStyle() { ShowFont(detail::ToQFont(style_)); }

    detail::TextStyle style_{"System"};
};

}  // namespace runtime
