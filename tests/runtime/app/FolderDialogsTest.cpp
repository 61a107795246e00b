// The choosers: SelectFolderDialog, SelectFolder and GetOpenFolderItem, with
// the real toolkit dialog and with the responder.
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "AppTestSupport.h"
#include "runtime/app/FolderDialogs.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/Thread.h"
#include "runtime/ui/Window.h"

using namespace runtime;
using apptest::AppTest;
using apptest::BodyThread;
using apptest::SpinUntil;
using apptest::WhenModalUp;

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

// The toolkit's file dialog inside the chooser that is up.
QFileDialog* FilesOf(QDialog* chooser) { return chooser->findChild<QFileDialog*>(); }

TEST_F(FolderDialogsTest, RealChooserStartsAtTheInitialFolderAndGivesTheChosenFolder) {
    auto dialog = std::make_shared<SelectFolderDialog>();
    dialog->SetPromptText("検索を開始するフォルダを指定して下さい。");
    dialog->SetInitialDirectory(Item("Documents"));

    QString startedAt;
    QStringList labels;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    WhenModalUp<QDialog>([&](QDialog* chooser) {
        QFileDialog* files = FilesOf(chooser);
        ASSERT_NE(files, nullptr);
        startedAt = files->directory().absolutePath();
        mode = files->fileMode();
        for (QLabel* label : chooser->findChildren<QLabel*>()) labels << label->text();
        files->setDirectory(root_ + "/Documents/Projects");
        QMetaObject::invokeMethod(files, "accept", Qt::DirectConnection);
    });
    FolderItemRef chosen = dialog->ShowModal();

    EXPECT_EQ(startedAt, root_ + "/Documents");
    EXPECT_EQ(mode, QFileDialog::Directory);
    EXPECT_TRUE(labels.contains("検索を開始するフォルダを指定して下さい。"));
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->NativePath(), (root_ + "/Documents/Projects").toStdString());
    EXPECT_TRUE(chosen->Directory());
}

TEST_F(FolderDialogsTest, RealChooserWithinAWindowIsWindowModalTakesCaptionsAndGivesNilWhenCancelled) {
    auto window = NewWindow<Window>();
    SelectFolderDialog dialog;
    dialog.SetTitle("フォルダ");
    dialog.SetActionButtonCaption("選ぶ");
    dialog.SetInitialDirectory(Item("Documents"));
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = nullptr;
    QString title, accept;
    WhenModalUp<QDialog>([&](QDialog* chooser) {
        modality = chooser->windowModality();
        parent = chooser->parentWidget();
        title = chooser->windowTitle();
        accept = FilesOf(chooser)->labelText(QFileDialog::Accept);
        FilesOf(chooser)->reject();
    });
    EXPECT_EQ(dialog.ShowModalWithin(window), nullptr);
    EXPECT_EQ(modality, Qt::WindowModal);
    EXPECT_EQ(parent, window->NativeWidget());
    EXPECT_EQ(title, "フォルダ");
    EXPECT_EQ(accept, "選ぶ");
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
    auto search = std::make_shared<BodyThread>();
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
    ASSERT_TRUE(SpinUntil([&] { return done; }));
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
