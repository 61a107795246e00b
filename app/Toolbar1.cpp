#include "app/Toolbar1.h"

using namespace runtime;

namespace {

ToolButtonRef NewToolButton(Toolbar& toolbar, const String& name, int style, const String& caption) {
    auto item = std::make_shared<ToolButton>();
    item->SetName(name);
    item->SetStyle(style);
    item->SetEnabled(true);
    item->SetCaption(caption);
    item->SetHelpTag("");
    toolbar.Append(item);
    return item;
}

}  // namespace

Toolbar1::Toolbar1() {
    const int push = ToolButton::StylePushButton;
    const int space = ToolButton::StyleSpace;
    ToolItem1 = NewToolButton(*this, "ToolItem1", push, "自動で取得");
    ToolItem4 = NewToolButton(*this, "ToolItem4", push, "ゴミ箱に移動");
    ToolItem2 = NewToolButton(*this, "ToolItem2", space, "Untitled");
    ToolItem6 = NewToolButton(*this, "ToolItem6", push, "指定場所を探す…");
    ToolItem8 = NewToolButton(*this, "ToolItem8", push, "Finderに表示");
    ToolItem3 = NewToolButton(*this, "ToolItem3", space, "Untitled");
    ToolItem5 = NewToolButton(*this, "ToolItem5", push, "中止");
    ToolItem7 = NewToolButton(*this, "ToolItem7", space, "Untitled");
    ToolItem9 = NewToolButton(*this, "ToolItem9", push, "リストをクリア");
}
