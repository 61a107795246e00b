#include "foundation/CautionDialog.h"

#include <vector>

#include <gtest/gtest.h>

#include "runtime/app/ModalResponder.h"
#include "runtime/ui/Window.h"
#include "tests/support/ModalAnswerer.h"

using namespace runtime;

namespace {

class CautionDialogTest : public ::testing::Test, protected testsupport::ModalAnswerer {
protected:
    int32_t AskTwoButtons(const std::shared_ptr<Window>& parent = nullptr, bool beep = true) {
        return Globals::gCautionDlg(parent, beep, 2, "", "キャンセル", "", "本当にクリアしますか？", "");
    }
};

}  // namespace

TEST_F(CautionDialogTest, ResultNamesThePressedButton) {
    Answer(Button::Cancel);
    EXPECT_EQ(AskTwoButtons(), Globals::kCancelButton);
    Answer(Button::Action);
    EXPECT_EQ(AskTwoButtons(), Globals::kActionButton);
    Answer(Button::Closed);
    EXPECT_EQ(AskTwoButtons(), Globals::kCancelButton);
    Answer(Button::Alternate);  // hidden with two buttons: it cannot end the alert
    EXPECT_EQ(AskTwoButtons(), Globals::kCancelButton);
    Answer(Button::Alternate);
    EXPECT_EQ(Globals::gCautionDlg(nullptr, false, 3, "別の", "キャンセル", "OK", "m", "e"), Globals::kAlternateButton);
}

TEST_F(CautionDialogTest, ButtonCountDecidesWhichButtonsShow) {
    Answer(Button::Action);
    Globals::gCautionDlg(nullptr, false, 1, "alt", "cancel", "接続する", "m", "");
    Globals::gCautionDlg(nullptr, false, 2, "alt", "キャンセル", "接続する", "m", "");
    Globals::gCautionDlg(nullptr, false, 3, "別の", "キャンセル", "", "m", "");
    ASSERT_EQ(asked.size(), 3u);

    EXPECT_TRUE(asked[0].action.visible);
    EXPECT_FALSE(asked[0].cancel.visible);
    EXPECT_FALSE(asked[0].alternate.visible);
    EXPECT_EQ(asked[0].action.caption.Bytes(), "接続する");

    EXPECT_TRUE(asked[1].cancel.visible);
    EXPECT_FALSE(asked[1].alternate.visible);
    EXPECT_EQ(asked[1].cancel.caption.Bytes(), "キャンセル");

    EXPECT_TRUE(asked[2].alternate.visible);
    EXPECT_EQ(asked[2].alternate.caption.Bytes(), "別の");
    EXPECT_EQ(asked[2].action.caption.Bytes(), "");
}

TEST_F(CautionDialogTest, CautionIconTextsParentAndBeep) {
    Answer(Button::Cancel);
    auto parent = NewWindow<Window>();
    Globals::gCautionDlg(parent, true, 2, "", "キャンセル", "", "本当にゴミ箱に移動しますか？",
                         "Finderの機能を使えば、移動したアイテムを元に戻せます。");
    AskTwoButtons(nullptr, false);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].kind, ModalKind::MessageDialog);
    EXPECT_EQ(asked[0].icon, 1);
    EXPECT_EQ(asked[0].parent, parent);
    EXPECT_EQ(asked[0].beeps, 1);
    EXPECT_EQ(asked[0].message.Bytes(), "本当にゴミ箱に移動しますか？");
    EXPECT_EQ(asked[0].explanation.Bytes(), "Finderの機能を使えば、移動したアイテムを元に戻せます。");
    EXPECT_EQ(asked[1].parent, nullptr);
    EXPECT_EQ(asked[1].beeps, 0);
    EXPECT_EQ(asked[1].explanation.Bytes(), "");
    parent->Close();
}
