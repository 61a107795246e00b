#include "runtime/ui/Control.h"

#include <algorithm>

#include "runtime/ui/Window.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

Control::Control(QWidget* widget) : widget_(widget) {
    if (widget_) {
        widget_->hide();
        focusPolicy_ = widget_->focusPolicy();
    }
}

Control::~Control() {
    // Deleted later: the widget may be in the middle of one of its own events.
    if (widget_) {
        widget_->hide();
        widget_->deleteLater();
    }
}

void Control::SetLeft(int left) {
    left_ = left;
    ApplyGeometry();
}
void Control::SetTop(int top) {
    top_ = top;
    ApplyGeometry();
}
void Control::SetWidth(int width) {
    width_ = width < 0 ? 0 : width;
    ApplyGeometry();
}
void Control::SetHeight(int height) {
    height_ = height < 0 ? 0 : height;
    ApplyGeometry();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    if (attached_ && widget_) widget_->setVisible(visible);
}

void Control::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (widget_) widget_->setEnabled(enabled);
}

void Control::SetHelpTag(const String& helpTag) {
    helpTag_ = helpTag;
    if (widget_) widget_->setToolTip(detail::ToQString(helpTag));
}

void Control::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (widget_) widget_->setFocusPolicy(tabStop ? focusPolicy_ : Qt::NoFocus);
}

void Control::ApplyGeometry() {
    if (attached_ && widget_) widget_->setGeometry(left_, top_, width_, height_);
}

void Control::AttachTo(runtime::Window&, QWidget* content) {
    if (!widget_) return;
    widget_->setParent(content);
    ApplyGeometry();
    widget_->setVisible(visible_);
}

void Control::Attach(runtime::Window& window, QWidget* content) {
    window_ = std::static_pointer_cast<runtime::Window>(window.weak_from_this().lock());
    attached_ = true;
    AttachTo(window, content);
}

void Control::WindowResized(int dx, int dy) {
    if (lockRight_) {
        if (lockLeft_)
            width_ = std::max(0, width_ + dx);
        else
            left_ += dx;
    }
    if (lockBottom_) {
        if (lockTop_)
            height_ = std::max(0, height_ + dy);
        else
            top_ += dy;
    }
    ApplyGeometry();
}

}  // namespace runtime
