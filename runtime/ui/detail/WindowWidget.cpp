#include "runtime/ui/detail/WindowWidget.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include "runtime/ui/Window.h"
#include "runtime/ui/detail/NativeTitle.h"

namespace runtime::detail {

void WindowContent::mousePressEvent(QMouseEvent* event) {
    if (owner_ == nullptr) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    owner_->Event_MouseDown(at.x(), at.y());
    event->accept();
}

void WindowContent::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (owner_ != nullptr) owner_->ContentResized(event->size().width(), event->size().height());
}

WindowWidget::WindowWidget(Window* owner) : owner_(owner), content_(new WindowContent(this)) {
    content_->SetOwner(owner);
    setCentralWidget(content_);
}

void WindowWidget::Detach() {
    owner_ = nullptr;
    content_->SetOwner(nullptr);
}

bool WindowWidget::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    // After Qt has given the native window its title, or the application's
    // name in place of an empty one.
    const QEvent::Type type = event->type();
    if ((type == QEvent::WinIdChange || type == QEvent::WindowTitleChange) && windowTitle().isEmpty())
        ClearNativeTitle(*this);
    return handled;
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // A close from the window system closes the window object, which hides
    // this widget; the widget itself is deleted only with the object.
    event->ignore();
    if (owner_ != nullptr)
        owner_->Close();
    else
        hide();
}

}  // namespace runtime::detail
