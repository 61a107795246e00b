// The choosers: SelectFolderDialog, SelectFolder and GetOpenFolderItem, the
// real dialog driven by keys and clicks, and the responder.
#include "runtime/app/FolderDialogs.h"

#include <functional>
#include <memory>
#include <vector>

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/Thread.h"
#include "runtime/ui/Window.h"

using namespace runtime;
using namespace apptest;

namespace {

class FolderDialogsTest : public AppTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        root_ = QDir(temp_.path()).canonicalPath();
        ASSERT_TRUE(QDir(root_).mkpath("Documents/Projects"));
    }

    FolderItemRef Item(const QString& relative) const {
        return FolderItem::FromNativePath((root_ + "/" + relative).toStdString());
    }

    QTemporaryDir temp_;
    QString root_;
};

void Click(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

// What a user sees of the chooser that is up.
struct Seen {
    QStringList labels;   // visible texts
    QStringList buttons;  // visible push buttons' captions
    QStringList listed;   // the folders the visible item views list
    bool pathFieldHasKeys = false;
};

Seen Look(QDialog* chooser) {
    Seen seen;
    for (QLabel* label : chooser->findChildren<QLabel*>())
        if (label->isVisible()) seen.labels << label->text();
    for (QPushButton* button : chooser->findChildren<QPushButton*>())
        if (button->isVisible()) seen.buttons << button->text();
    for (QAbstractItemView* view : chooser->findChildren<QAbstractItemView*>())
        if (view->isVisible()) seen.listed << view->rootIndex().data(QFileSystemModel::FilePathRole).toString();
    auto* field = qobject_cast<QLineEdit*>(chooser->focusWidget());
    seen.pathFieldHasKeys = field && field->isVisible() && !field->isReadOnly();
    return seen;
}

// Acts on the chooser as a user does, sending keys to the widget that has
// them. A chooser still up afterwards fails the test and is closed.
void Act(QDialog* chooser, const std::function<void(QWidget* keys)>& act) {
    act(chooser->focusWidget() ? chooser->focusWidget() : chooser);
    if (chooser->isVisible()) {
        ADD_FAILURE() << "the chooser is still up";
        chooser->reject();
    }
}

TEST_F(FolderDialogsTest, ChooserShowsItsListAndPathFieldAndEnterTakesWhatIsTyped) {
    ASSERT_TRUE(QFile(root_ + "/Documents/note.txt").open(QIODevice::WriteOnly));
    const char* prompt = "検索を開始するフォルダを指定して下さい。";
    struct Case {
        bool folder;
        QString initial;  // asked to open there
        QString typed;    // "" types nothing
        QString chosen;
    } cases[] = {
        // Enter alone takes the folder it opened at: the nearest existing
        // parent (first, before the toolkit has a last folder to fall back on).
        {true, "Documents/Gone/Deeper", "", "Documents"},
        {true, "Documents", "", "Documents"},
        {true, "Documents", "Documents/Projects", "Documents/Projects"},
        {false, "", "Documents/note.txt", "Documents/note.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.initial + " " + c.typed).toStdString());
        Seen seen;
        WhenModalUp<QDialog>([&](QDialog* chooser) {
            seen = Look(chooser);
            Act(chooser, [&](QWidget* keys) {
                if (!c.typed.isEmpty()) SendKey(keys, Qt::Key_unknown, root_ + "/" + c.typed);
                SendKey(keys, Qt::Key_Return);
            });
        });
        FolderItemRef chosen;
        if (c.folder) {
            SelectFolderDialog dialog;
            dialog.SetPromptText(prompt);
            dialog.SetInitialDirectory(Item(c.initial));
            chosen = dialog.ShowModal();
            EXPECT_TRUE(seen.labels.contains(QString::fromUtf8(prompt)));
            EXPECT_TRUE(seen.listed.contains(root_ + "/Documents")) << seen.listed.join(", ").toStdString();
        } else {
            chosen = GetOpenFolderItem("anyFile");
        }
        EXPECT_TRUE(seen.pathFieldHasKeys);
        EXPECT_EQ(seen.buttons.size(), 2);
        ASSERT_NE(chosen, nullptr);
        EXPECT_EQ(chosen->NativePath(), (root_ + "/" + c.chosen).toStdString());
        EXPECT_EQ(chosen->Directory(), c.folder);
    }
}

TEST_F(FolderDialogsTest, ChooserWithinAWindowIsWindowModalShowsItsCaptionsAndEscapeOrCancelGiveNil) {
    auto window = NewWindow<Window>();
    SelectFolderDialog dialog;
    dialog.SetTitle("フォルダ");
    dialog.SetActionButtonCaption("選ぶ");
    dialog.SetCancelButtonCaption("やめる");
    dialog.SetInitialDirectory(Item("Documents"));
    for (bool escape : {true, false}) {
        Qt::WindowModality modality = Qt::NonModal;
        QWidget* parent = nullptr;
        QString title;
        Seen seen;
        WhenModalUp<QDialog>([&](QDialog* chooser) {
            modality = chooser->windowModality();
            parent = chooser->parentWidget();
            title = chooser->windowTitle();
            seen = Look(chooser);
            Act(chooser, [&](QWidget* keys) {
                if (escape) return SendKey(keys, Qt::Key_Escape);
                for (QPushButton* button : chooser->findChildren<QPushButton*>())
                    if (button->isVisible() && button->text() == "やめる") Click(button);
            });
        });
        EXPECT_EQ(dialog.ShowModalWithin(window), nullptr);
        EXPECT_EQ(modality, Qt::WindowModal);
        EXPECT_EQ(parent, window->NativeWidget());
        EXPECT_EQ(title, "フォルダ");
        EXPECT_EQ(seen.buttons.join(" / ").toStdString(), "選ぶ / やめる");
    }
    window->Close();
}

TEST_F(FolderDialogsTest, ResponderSeesTheChooserAndItsAnswerComesBack) {
    auto window = NewWindow<Window>();
    std::vector<ModalRequest> requests;
    FolderItemRef answer = Item("Documents/Projects");
    SetModalResponder([&](const ModalRequest& request) {
        requests.push_back(request);
        return ModalAnswer::Choose(answer);
    });

    // From a thread's fiber, as the search road does.
    auto search = std::make_shared<FunctionThread>();
    FolderItemRef chosen;
    bool done = false;
    search->body = [&] {
        auto dialog = std::make_shared<SelectFolderDialog>();
        dialog->SetPromptText("検索を開始するフォルダを指定して下さい。");
        dialog->SetInitialDirectory(Item("Documents"));
        chosen = dialog->ShowModalWithin(window);
        done = true;
    };
    search->Run();
    ASSERT_TRUE(PumpUntil([&] { return done; }));
    EXPECT_EQ(chosen, answer);

    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, ModalKind::SelectFolder);
    EXPECT_EQ(requests[0].parent, window);
    EXPECT_TRUE(requests[0].prompt.EqualsBytes("検索を開始するフォルダを指定して下さい。"));
    ASSERT_NE(requests[0].initialDirectory, nullptr);
    EXPECT_EQ(requests[0].initialDirectory->NativePath(), (root_ + "/Documents").toStdString());

    answer = nullptr;
    EXPECT_EQ(SelectFolder(), nullptr);
    EXPECT_EQ(GetOpenFolderItem("anyFile"), nullptr);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].parent, nullptr);
    EXPECT_EQ(requests[2].kind, ModalKind::OpenFile);
    EXPECT_TRUE(requests[2].filter.EqualsBytes("anyFile"));
    window->Close();
}

}  // namespace
