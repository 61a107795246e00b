// A toolbar picture missing from the bundle leaves its button without an icon
// and the others with theirs.
#include <gtest/gtest.h>

#include "app/Window1.h"

TEST(MissingPictureTest, TheStopButtonHasNoIconAndTheOthersHaveTheirs) {
    std::shared_ptr<Window1> win = Window1::Instance();
    const Toolbar1& tb = *win->Toolbar11();
    EXPECT_FALSE(tb.ToolItem5->Icon());
    for (const runtime::ToolButtonRef& item : {tb.ToolItem1, tb.ToolItem4, tb.ToolItem6, tb.ToolItem8, tb.ToolItem9})
        EXPECT_TRUE(item->Icon()) << item->Name().Bytes();
    EXPECT_EQ(tb.ToolItem5->Caption().Bytes(), "中止");
    win->Close();
}
