// MessageDialog and MsgBox: blocking on the main thread and in a thread's
// fiber, the real message box, and what the responder is told.
#include "runtime/app/MessageDialog.h"

#include <memory>
#include <stdexcept>
#include <vector>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "runtime/app/Beep.h"
#include "runtime/threads/Thread.h"
#include "runtime/ui/Window.h"

using namespace runtime;
using namespace apptest;

namespace {

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons())
        if (button->text() == text) return button;
    return nullptr;
}

QStringList ButtonTexts(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) texts << button->text();
    return texts;
}

// The caution dialog the program builds: two buttons, cancel "キャンセル".
MessageDialogRef CautionDialog(const String& actionCaption) {
    auto dialog = std::make_shared<MessageDialog>();
    dialog->SetIcon(MessageDialog::IconCaution);
    dialog->CancelButton()->SetVisible(true);
    dialog->CancelButton()->SetCaption("キャンセル");
    dialog->ActionButton()->SetCaption(actionCaption);
    dialog->SetMessage("本当にゴミ箱に移動しますか？");
    dialog->SetExplanation("Finderの機能を使えば、移動したアイテムを元に戻せます。");
    return dialog;
}

using MessageDialogTest = AppTest;

TEST_F(MessageDialogTest, FiberBlocksInTheRealBoxWhileTheLoopGoesOn) {
    auto window = NewWindow<Window>();
    auto dialog = CautionDialog("");
    auto thread = std::make_shared<FunctionThread>();
    MessageDialogButtonRef pressed;
    bool returned = false;
    thread->body = [&] {
        pressed = dialog->ShowModalWithin(window);
        returned = true;
    };

    // The main loop's timers run while the box is up; the thread waits in it.
    bool returnedBeforeClick = true;
    ThreadState stateWhileUp = ThreadState::NotRunning;
    QWidget* boxParent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    WhenModalUp<QMessageBox>([&](QMessageBox* box) {
        returnedBeforeClick = returned;
        stateWhileUp = thread->State();
        boxParent = box->parentWidget();
        modality = box->windowModality();
        ASSERT_NE(ButtonWithText(box, "キャンセル"), nullptr);
        ButtonWithText(box, "キャンセル")->click();
    });
    thread->Run();

    ASSERT_TRUE(PumpUntil([&] { return returned; }));
    EXPECT_FALSE(returnedBeforeClick);
    EXPECT_EQ(stateWhileUp, ThreadState::Waiting);
    EXPECT_EQ(boxParent, window->NativeWidget());
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_EQ(pressed, dialog->CancelButton());
    EXPECT_TRUE(PumpUntil([&] { return thread->State() == ThreadState::NotRunning; }));
    window->Close();
}

TEST_F(MessageDialogTest, ResponderSeesTheRequestAndAnswersAFiberThatThenKillsItself) {
    auto window = NewWindow<Window>();
    auto dialog = CautionDialog("接続する");
    auto thread = std::make_shared<FunctionThread>();

    std::vector<ModalRequest> requests;
    std::shared_ptr<Thread> askedFrom;
    SetModalResponder([&](const ModalRequest& request) {
        requests.push_back(request);
        askedFrom = CurrentThread();
        return ModalAnswer::Press(ModalAnswer::Button::Action);
    });

    MessageDialogButtonRef pressed;
    bool localDestroyed = false;
    bool ranAfterKill = false;
    thread->body = [&] {
        struct Local {
            bool& destroyed;
            ~Local() { destroyed = true; }
        } local{localDestroyed};
        Beep();
        pressed = dialog->ShowModalWithin(window);
        CurrentThread()->Kill();
        ranAfterKill = true;
    };
    thread->Run();

    ASSERT_TRUE(PumpUntil([&] { return thread->State() == ThreadState::NotRunning; }));
    EXPECT_EQ(pressed, dialog->ActionButton());
    EXPECT_TRUE(localDestroyed);
    EXPECT_FALSE(ranAfterKill);
    EXPECT_EQ(askedFrom, thread);  // answered inside the fiber's own nested loop

    ASSERT_EQ(requests.size(), 1u);
    const ModalRequest& r = requests[0];
    EXPECT_EQ(r.kind, ModalKind::MessageDialog);
    EXPECT_EQ(r.parent, window);
    EXPECT_EQ(r.beeps, 1);
    EXPECT_EQ(r.icon, 1);
    EXPECT_TRUE(r.message.EqualsBytes("本当にゴミ箱に移動しますか？"));
    EXPECT_TRUE(r.explanation.EqualsBytes("Finderの機能を使えば、移動したアイテムを元に戻せます。"));
    EXPECT_TRUE(r.action.visible);
    EXPECT_TRUE(r.action.caption.EqualsBytes("接続する"));
    EXPECT_TRUE(r.cancel.visible);
    EXPECT_TRUE(r.cancel.caption.EqualsBytes("キャンセル"));
    EXPECT_FALSE(r.alternate.visible);
    window->Close();
}

TEST_F(MessageDialogTest, AnswersMapToTheDialogsOwnButtons) {
    auto dialog = std::make_shared<MessageDialog>();
    dialog->CancelButton()->SetVisible(true);
    dialog->AlternateActionButton()->SetVisible(true);
    ModalAnswer::Button answer = ModalAnswer::Button::Action;
    std::shared_ptr<Window> parentSeen = std::make_shared<Window>();
    SetModalResponder([&](const ModalRequest& request) {
        parentSeen = request.parent;
        return ModalAnswer::Press(answer);
    });

    EXPECT_EQ(dialog->ShowModal(), dialog->ActionButton());
    EXPECT_EQ(parentSeen, nullptr);
    answer = ModalAnswer::Button::Alternate;
    EXPECT_EQ(dialog->ShowModalWithin(nullptr), dialog->AlternateActionButton());
    answer = ModalAnswer::Button::Cancel;
    EXPECT_EQ(dialog->ShowModal(), dialog->CancelButton());
    answer = ModalAnswer::Button::Closed;
    EXPECT_EQ(dialog->ShowModal(), nullptr);

    // Nobody can press a hidden button.
    dialog->AlternateActionButton()->SetVisible(false);
    answer = ModalAnswer::Button::Alternate;
    EXPECT_EQ(dialog->ShowModal(), nullptr);
}

TEST_F(MessageDialogTest, RealBoxShowsCaptionsTextsAndTranslatedDefaultCaption) {
    auto dialog = CautionDialog("");
    dialog->AlternateActionButton()->SetVisible(true);
    dialog->AlternateActionButton()->SetCaption("保存しない");
    QStringList texts;
    QString text, informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    WhenModalUp<QMessageBox>([&](QMessageBox* box) {
        texts = ButtonTexts(box);
        text = box->text();
        informative = box->informativeText();
        icon = box->icon();
        modality = box->windowModality();
        ButtonWithText(box, "キャンセル")->click();
    });
    EXPECT_EQ(dialog->ShowModal(), dialog->CancelButton());

    texts.sort();
    QStringList expected{QCoreApplication::translate("QPlatformTheme", "OK"), "キャンセル", "保存しない"};
    expected.sort();
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(text, "本当にゴミ箱に移動しますか？");
    EXPECT_EQ(informative, "Finderの機能を使えば、移動したアイテムを元に戻せます。");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

TEST_F(MessageDialogTest, RealBoxActionButtonEmptyExplanationAndEscape) {
    auto dialog = CautionDialog("接続する");
    dialog->SetExplanation("");
    QString informative = "unset";
    WhenModalUp<QMessageBox>([&](QMessageBox* box) {
        informative = box->informativeText();
        ButtonWithText(box, "接続する")->click();
    });
    EXPECT_EQ(dialog->ShowModal(), dialog->ActionButton());
    EXPECT_TRUE(informative.isEmpty());

    // Escape presses the cancel button while it is visible.
    WhenModalUp<QMessageBox>([](QMessageBox* box) { SendKey(box, Qt::Key_Escape); });
    EXPECT_EQ(dialog->ShowModal(), dialog->CancelButton());

    // Without one, Escape and closing end with nil.
    dialog->CancelButton()->SetVisible(false);
    WhenModalUp<QMessageBox>([](QMessageBox* box) { SendKey(box, Qt::Key_Escape); });
    EXPECT_EQ(dialog->ShowModal(), nullptr);
    WhenModalUp<QMessageBox>([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(dialog->ShowModal(), nullptr);
}

TEST_F(MessageDialogTest, MsgBoxIsAnApplicationModalOkBox) {
    std::vector<ModalRequest> requests;
    SetModalResponder([&](const ModalRequest& request) {
        requests.push_back(request);
        return ModalAnswer::Press(ModalAnswer::Button::Action);
    });
    MsgBox("not found.");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, ModalKind::MsgBox);
    EXPECT_EQ(requests[0].parent, nullptr);
    EXPECT_TRUE(requests[0].message.EqualsBytes("not found."));

    SetModalResponder(nullptr);
    QStringList texts;
    WhenModalUp<QMessageBox>([&](QMessageBox* box) {
        texts = ButtonTexts(box);
        box->buttons().first()->click();
    });
    MsgBox("not found.");
    EXPECT_EQ(texts, QStringList{QCoreApplication::translate("QPlatformTheme", "OK")});
}

TEST_F(MessageDialogTest, BeepsAreCountedForTheNextModalCallOnly) {
    std::vector<int> beeps;
    SetModalResponder([&](const ModalRequest& request) {
        beeps.push_back(request.beeps);
        return ModalAnswer::Press(ModalAnswer::Button::Action);
    });
    Beep();
    Beep();
    MsgBox("a");
    MsgBox("b");
    EXPECT_EQ(beeps, (std::vector<int>{2, 0}));
}

TEST_F(MessageDialogTest, AnExceptionOfTheResponderReachesTheCaller) {
    SetModalResponder([](const ModalRequest&) -> ModalAnswer { throw std::runtime_error("no answer"); });
    MessageDialog dialog;
    EXPECT_THROW(dialog.ShowModal(), std::runtime_error);
}

}  // namespace

TEST_F(MessageDialogTest, ResponderDismissesAModalWindowAndLetsPeopleAnswerAgainAfterwards) {
    std::vector<ModalRequest> asked;
    SetModalResponder([&](const ModalRequest& request) {
        asked.push_back(request);
        return ModalAnswer::Press(ModalAnswer::Button::Closed);
    });
    auto panel = NewWindow<Window>();
    panel->SetTitle("パネル");
    panel->ShowModal();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, ModalKind::Window);
    EXPECT_EQ(asked[0].parent, panel);
    EXPECT_EQ(asked[0].title.Bytes(), "パネル");
    EXPECT_FALSE(panel->Visible());

    // Without a responder a person ends it: here a timer hides the window.
    SetModalResponder(nullptr);
    QTimer::singleShot(20, [panel] { panel->Hide(); });
    panel->ShowModal();
    EXPECT_EQ(asked.size(), 1u);
    panel->Close();
}
