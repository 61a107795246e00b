#include "runtime/app/AlertBox.h"

#include <utility>
#include <vector>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

#include "runtime/threads/Modal.h"
#include "runtime/ui/Window.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime::detail {

namespace {

QMessageBox::Icon IconFor(int icon) {
    switch (icon) {
    case 0: return QMessageBox::Information;
    case 1: return QMessageBox::Warning;
    case 2: return QMessageBox::Critical;
    case 3: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

// QMessageBox asks an over-wide label's document to wrap anywhere itself,
// but a label sets the wrap mode back to word wrap whenever it lays its text
// out anew (after each resize, for one), which follows at once. So the label
// lays its text out first, and the wrap mode is set after.
void WrapAnywhere(QLabel& label, QTextDocument& document) {
    label.heightForWidth(label.width());
    QTextOption option = document.defaultTextOption();
    if (option.wrapMode() == QTextOption::WrapAnywhere) return;
    option.setWrapMode(QTextOption::WrapAnywhere);
    document.setDefaultTextOption(option);
}

// A message box's text that holds a run wider than the box (a long file name
// without spaces) wraps inside the box instead of being cut at its edge: the
// labels whose text holds such a run wrap anywhere, so that a name starts on
// the line of its bullet; the box keeps its width and takes the height that
// needs. Other texts are left as they are. Called after QMessageBox has sized
// itself; returns whether a label was wrapped so.
bool WrapLongRuns(QMessageBox& box) {
    if (!box.isVisible() || box.layout() == nullptr) return false;
    std::vector<std::pair<QLabel*, QTextDocument*>> wrapped;
    for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
        auto* label = box.findChild<QLabel*>(QLatin1String(name));
        // Word wrap makes a label no narrower than its longest run.
        if (label == nullptr || !label->wordWrap() || label->minimumSizeHint().width() <= label->width()) continue;
        // The document a label lays its text out in when the text is selectable.
        auto* document = label->findChild<QTextDocument*>();
        if (document == nullptr) continue;
        WrapAnywhere(*label, *document);
        label->updateGeometry();
        wrapped.emplace_back(label, document);
    }
    if (wrapped.empty()) return false;
    box.setFixedSize(box.width(), box.layout()->totalHeightForWidth(box.width()));
    // The resize made the labels lay their text out anew.
    for (auto& [label, document] : wrapped) WrapAnywhere(*label, *document);
    // The layout request the new size posted is answered.
    QCoreApplication::removePostedEvents(&box, QEvent::LayoutRequest);
    return true;
}

// A message box that, lacking a cancel button, ends with no button on Escape
// or on its window's close button (QMessageBox would press its only button,
// or refuse to close), and that wraps long runs of text each time it has
// sized itself.
class Box : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool hasEscapeButton = false;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const int height = this->height();
        // The box was centred at its height before.
        if (WrapLongRuns(*this)) move(x(), y() - (this->height() - height) / 2);
    }
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest) WrapLongRuns(*this);
        return handled;
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!hasEscapeButton && event->matches(QKeySequence::Cancel)) {
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (hasEscapeButton)
            QMessageBox::closeEvent(event);
        else
            QDialog::closeEvent(event);
    }
};

ModalAnswer::Button ShowMessageBox(const ModalRequest& request) {
    QWidget* parent = request.parent ? request.parent->NativeWidget() : nullptr;
    // On the heap: a parent destroyed meanwhile takes the box with it.
    QPointer<Box> owner = new Box(parent);
    Box& box = *owner;
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box.setIcon(IconFor(request.icon));
    box.setWindowTitle(ToQString(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(request.message));
    if (!request.explanation.IsEmpty()) {
        box.setInformativeText(ToQString(request.explanation));
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
    }

    // An empty caption keeps the toolkit's translated text of the standard button.
    struct Slot {
        const ModalButtonRequest& wanted;
        QMessageBox::StandardButton standard;
        ModalAnswer::Button answer;
        QPushButton* button = nullptr;
    };
    Slot buttons[] = {
        {request.action, QMessageBox::Ok, ModalAnswer::Button::Action},
        {request.cancel, QMessageBox::Cancel, ModalAnswer::Button::Cancel},
        {request.alternate, QMessageBox::Discard, ModalAnswer::Button::Alternate},
    };
    for (Slot& slot : buttons) {
        if (!slot.wanted.visible) continue;
        slot.button = box.addButton(slot.standard);
        if (!slot.wanted.caption.IsEmpty()) slot.button->setText(ToQString(slot.wanted.caption));
    }
    for (Slot& slot : buttons) {
        if (slot.button && slot.wanted.isDefault) {
            box.setDefaultButton(slot.button);
            break;
        }
    }
    for (Slot& slot : buttons) {
        if (slot.button && slot.wanted.isCancel) {
            box.setEscapeButton(slot.button);
            box.hasEscapeButton = true;
            break;
        }
    }

    bool finished = false;
    QObject::connect(&box, &QDialog::finished, &box, [&finished] { finished = true; });
    QObject::connect(&box, &QObject::destroyed, [&finished] { finished = true; });
    box.show();
    RunNestedLoop([&finished] { return finished; });

    ModalAnswer::Button result = ModalAnswer::Button::Closed;
    if (owner) {
        QAbstractButton* pressed = owner->clickedButton();
        for (const Slot& slot : buttons) {
            if (pressed && pressed == slot.button) result = slot.answer;
        }
        delete owner.data();
    }
    return result;
}

}  // namespace

ModalAnswer::Button ShowAlert(const ModalRequest& request) {
    if (auto answer = AskResponder(request)) {
        // Nobody can press a hidden button.
        const ModalButtonRequest* pressed = nullptr;
        switch (answer->button) {
        case ModalAnswer::Button::Action: pressed = &request.action; break;
        case ModalAnswer::Button::Cancel: pressed = &request.cancel; break;
        case ModalAnswer::Button::Alternate: pressed = &request.alternate; break;
        case ModalAnswer::Button::Closed: break;
        }
        return pressed && pressed->visible ? answer->button : ModalAnswer::Button::Closed;
    }
    return ShowMessageBox(request);
}

}  // namespace runtime::detail
