// The toolbar: items in order, spaces, icons, presses and the Open event.

#include "runtime/ui/Toolbar.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "runtime/ui/Picture.h"
#include "runtime/ui/Window.h"

namespace runtime {
namespace {

struct ItemDesign {
    const char* name;
    int style;
    const char* caption;
};

constexpr ItemDesign kItems[] = {
    {"ToolItem1", 0, "自動で取得"},     {"ToolItem4", 0, "ゴミ箱に移動"},
    {"ToolItem2", 5, "Untitled"},       {"ToolItem6", 0, "指定場所を探す…"},
    {"ToolItem8", 0, "Finderに表示"},   {"ToolItem3", 5, "Untitled"},
    {"ToolItem5", 0, "中止"},           {"ToolItem7", 5, "Untitled"},
    {"ToolItem9", 0, "リストをクリア"},
};

class ToolWindow : public Window {
public:
    std::vector<std::string> pressed;
    int opened = 0;

    void CreateControls() override {
        auto toolbar = std::make_shared<Toolbar>();
        for (const auto& design : kItems) {
            auto item = std::make_shared<ToolButton>();
            item->SetName(design.name);
            item->SetStyle(design.style);
            item->SetCaption(design.caption);
            toolbar->Append(item);
        }
        _AddControl("Toolbar11", toolbar);
        toolbar->Action = [this](Toolbar&, ToolItem& item) { pressed.push_back(item.Name().ToUTF8()); };
        toolbar->Open = [this](Toolbar& tb) {
            ++opened;
            auto icon = NewPicture(32, 32, 32);
            std::static_pointer_cast<ToolButton>(tb.Item(0))->SetIcon(icon);
        };
    }

    std::shared_ptr<ToolButton> Item(int i) const {
        return std::static_pointer_cast<ToolButton>(Control<Toolbar>("Toolbar11")->Item(i));
    }
};

TEST(Toolbar, ItemsStandInOrderWithSpacesBetweenTheGroups) {
    auto window = NewWindow<ToolWindow>();
    auto toolbar = window->Control<Toolbar>("Toolbar11");
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->Count(), 9);
    auto* bar = static_cast<QToolBar*>(toolbar->NativeWidget());
    const QList<QAction*> actions = bar->actions();
    ASSERT_EQ(actions.size(), 9);
    for (int i = 0; i < 9; ++i) {
        auto item = window->Item(i);
        EXPECT_EQ(bar->widgetForAction(actions[i]), item->NativeWidget()) << i;
        if (kItems[i].style == 5) {
            EXPECT_EQ(item->NativeButton(), nullptr);
        } else {
            ASSERT_NE(item->NativeButton(), nullptr);
            // Screen readers read the caption and can press the button.
            EXPECT_EQ(item->NativeButton()->accessibleName(), QString::fromUtf8(kItems[i].caption));
            EXPECT_EQ(item->NativeButton()->text(), QString::fromUtf8(kItems[i].caption));
        }
    }
    EXPECT_EQ(toolbar->Item(9), nullptr);
    window->Close();
}

TEST(Toolbar, OpenRunsOnceAndANilIconGivesAButtonWithoutIcon) {
    auto window = NewWindow<ToolWindow>();
    EXPECT_EQ(window->opened, 1);
    EXPECT_FALSE(window->Item(0)->NativeButton()->icon().isNull());
    EXPECT_TRUE(window->Item(1)->NativeButton()->icon().isNull());
    window->Item(0)->SetIcon(nullptr);
    EXPECT_TRUE(window->Item(0)->NativeButton()->icon().isNull());
    window->Close();
}

TEST(Toolbar, PressingAnEnabledButtonRaisesActionWithTheItem) {
    auto window = NewWindow<ToolWindow>();
    window->Item(0)->NativeButton()->click();
    window->Item(6)->NativeButton()->click();
    EXPECT_EQ(window->pressed, (std::vector<std::string>{"ToolItem1", "ToolItem5"}));

    window->Item(1)->SetEnabled(false);
    window->Item(1)->NativeButton()->click();
    EXPECT_EQ(window->pressed.size(), 2u);

    window->Item(1)->SetEnabled(true);
    window->Item(1)->NativeButton()->click();
    EXPECT_EQ(window->pressed.back(), "ToolItem4");
    window->Close();
}

}  // namespace
}  // namespace runtime
