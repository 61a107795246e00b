#include "runtime/app/FolderDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

#include "runtime/app/ModalResponder.h"
#include "runtime/files/FolderItem.h"
#include "runtime/threads/Modal.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

namespace {

using detail::ToQString;

// Where a chooser opens: the folder asked for or, when it is not there, its
// nearest existing parent; the home folder when none is asked for.
QString OpeningFolder(const FolderItemRef& asked) {
    if (!asked) return QDir::homePath();
    QString path = QFileInfo(QString::fromStdString(asked->NativePath())).absoluteFilePath();
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path) return QDir::homePath();
        path = parent;
    }
    return path;
}

// The toolkit's file dialog (folder list, path field, buttons) inside a window
// of ours, with the prompt above it.
class Chooser : public QDialog {
public:
    Chooser(QWidget* parent, const ModalRequest& request) : QDialog(parent) {
        auto* layout = new QVBoxLayout(this);
        if (!request.prompt.IsEmpty()) {
            auto* prompt = new QLabel(ToQString(request.prompt), this);
            prompt->setTextFormat(Qt::PlainText);
            prompt->setWordWrap(true);
            layout->addWidget(prompt);
        }
        files_ = new QFileDialog(this);
        // A dialog made with the Qt::Widget flag is still a window of its own
        // (QDialog turns a window type of 0 into Qt::Dialog), never shown here:
        // only flags set afterwards make it a child shown with ours.
        files_->setWindowFlags(Qt::Widget);
        files_->setOption(QFileDialog::DontUseNativeDialog);
        if (request.kind == ModalKind::SelectFolder) {
            files_->setFileMode(QFileDialog::Directory);
            files_->setOption(QFileDialog::ShowDirsOnly);
        } else {
            files_->setFileMode(QFileDialog::ExistingFile);
        }
        files_->setDirectory(OpeningFolder(request.initialDirectory));
        if (!request.action.caption.IsEmpty())
            files_->setLabelText(QFileDialog::Accept, ToQString(request.action.caption));
        if (!request.cancel.caption.IsEmpty())
            files_->setLabelText(QFileDialog::Reject, ToQString(request.cancel.caption));
        layout->addWidget(files_);
        connect(files_, &QDialog::finished, this, &QDialog::done);
        setWindowTitle(request.title.IsEmpty() ? files_->windowTitle() : ToQString(request.title));
        resize(files_->sizeHint().expandedTo(QSize(640, 420)));
    }

    QString Chosen() const {
        const QStringList chosen = files_->selectedFiles();
        return chosen.isEmpty() ? QString() : chosen.first();
    }

private:
    QFileDialog* files_;
};

FolderItemRef ShowChooser(const ModalRequest& request) {
    QWidget* parent = request.parent ? request.parent->NativeWidget() : nullptr;
    // On the heap: a parent destroyed meanwhile takes the chooser with it.
    QPointer<Chooser> chooser = new Chooser(parent, request);
    chooser->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);

    bool finished = false;
    QObject::connect(chooser, &QDialog::finished, chooser, [&finished] { finished = true; });
    QObject::connect(chooser, &QObject::destroyed, [&finished] { finished = true; });
    chooser->show();
    RunNestedLoop([&finished] { return finished; });

    FolderItemRef chosen;
    if (chooser) {
        if (chooser->result() == QDialog::Accepted) {
            const QString path = chooser->Chosen();
            if (!path.isEmpty()) chosen = FolderItem::FromNativePath(QDir::cleanPath(path).toStdString());
        }
        delete chooser.data();
    }
    return chosen;
}

FolderItemRef Choose(const ModalRequest& request) {
    if (auto answer = detail::AskResponder(request)) return answer->item;
    return ShowChooser(request);
}

ModalRequest ChooserRequest(ModalKind kind, const std::shared_ptr<Window>& parent) {
    ModalRequest request = detail::NewModalRequest(kind, parent);
    request.action.visible = request.action.isDefault = true;
    request.cancel.visible = request.cancel.isCancel = true;
    return request;
}

}  // namespace

FolderItemRef FolderItemDialog::ShowModal() { return ShowModalWithin(nullptr); }

FolderItemRef FolderItemDialog::ShowModalWithin(const std::shared_ptr<Window>& parent) {
    ModalRequest request = ChooserRequest(choosesFolder_ ? ModalKind::SelectFolder : ModalKind::OpenFile, parent);
    request.title = title_;
    request.prompt = prompt_;
    request.action.caption = actionCaption_;
    request.cancel.caption = cancelCaption_;
    request.initialDirectory = initial_;
    return Choose(request);
}

FolderItemRef SelectFolder() { return Choose(ChooserRequest(ModalKind::SelectFolder, nullptr)); }

FolderItemRef GetOpenFolderItem(const String& filter) {
    ModalRequest request = ChooserRequest(ModalKind::OpenFile, nullptr);
    request.filter = filter;
    return Choose(request);
}

}  // namespace runtime
