#include "runtime/app/AlertBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

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

// A message box that, lacking a cancel button, ends with no button on Escape
// or on its window's close button (QMessageBox would press its only button,
// or refuse to close).
class Box : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool hasEscapeButton = false;

protected:
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
