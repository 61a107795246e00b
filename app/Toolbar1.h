#pragma once
// The main window's toolbar: six push buttons and three spacing items.

#include "runtime/ui/Toolbar.h"

class Toolbar1 : public runtime::Toolbar {
public:
    Toolbar1();

    runtime::ToolButtonRef ToolItem1;  // 自動で取得
    runtime::ToolButtonRef ToolItem4;  // ゴミ箱に移動
    runtime::ToolButtonRef ToolItem2;  // space
    runtime::ToolButtonRef ToolItem6;  // 指定場所を探す…
    runtime::ToolButtonRef ToolItem8;  // Finderに表示
    runtime::ToolButtonRef ToolItem3;  // space
    runtime::ToolButtonRef ToolItem5;  // 中止
    runtime::ToolButtonRef ToolItem7;  // space
    runtime::ToolButtonRef ToolItem9;  // リストをクリア
};
