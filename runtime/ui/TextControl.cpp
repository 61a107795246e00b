#include "runtime/ui/TextControl.h"

namespace runtime {

void TextControl::SetTextFont(const String& font) {
    style_.font = font;
    ApplyStyle();
}
void TextControl::SetTextSize(double size) {
    style_.size = size;
    ApplyStyle();
}
void TextControl::SetTextUnit(int unit) {
    style_.unit = unit;
    ApplyStyle();
}
void TextControl::SetBold(bool v) {
    style_.bold = v;
    ApplyStyle();
}
void TextControl::SetItalic(bool v) {
    style_.italic = v;
    ApplyStyle();
}
void TextControl::SetUnderline(bool v) {
    style_.underline = v;
    ApplyStyle();
}

}  // namespace runtime
