#include "runtime/ui/Window.h"

#include <algorithm>
#include <map>

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QToolBar>

#include "runtime/threads/Modal.h"
#include "runtime/ui/MenuBar.h"
#include "runtime/ui/detail/QtText.h"
#include "runtime/ui/detail/WindowWidget.h"

namespace runtime {

namespace detail {

// What a window does to its controls that nobody else may.
class WindowAccess {
public:
    static void Attach(runtime::Control& control, Window& window, QWidget* content) { control.Attach(window, content); }
    static void WindowResized(runtime::Control& control, int dx, int dy) { control.WindowResized(dx, dy); }
    static void Opened(runtime::Control& control) { control.Opened(); }
};

namespace {

struct WindowRegistry {
    std::vector<WindowRef> open;
    std::map<std::type_index, std::weak_ptr<Window>> implicit;
    std::function<void(Window&)> closedHandler;
};

WindowRegistry& Registry() {
    static WindowRegistry registry;
    return registry;
}

}  // namespace

WindowRef ImplicitWindow(std::type_index type) {
    auto& implicit = Registry().implicit;
    auto it = implicit.find(type);
    if (it == implicit.end()) return nullptr;
    WindowRef window = it->second.lock();
    if (!window || !window->IsOpen()) return nullptr;
    return window;
}

void SetImplicitWindow(std::type_index type, const WindowRef& window) { Registry().implicit[type] = window; }

}  // namespace detail

using detail::Registry;
using detail::WindowAccess;

std::vector<WindowRef> OpenWindows() { return Registry().open; }

void SetWindowClosedHandler(std::function<void(Window&)> handler) { Registry().closedHandler = std::move(handler); }

namespace {

std::function<bool(Window&)>& ModalWindowAnswerer() {
    static std::function<bool(Window&)> answerer;
    return answerer;
}

}  // namespace

void SetModalWindowAnswerer(std::function<bool(Window&)> answerer) { ModalWindowAnswerer() = std::move(answerer); }

Window::Window() : widget_(new detail::WindowWidget(this)) {
    ApplyFlags();
    ApplySize();
}

Window::~Window() {
    controls_.clear();
    widget_->Detach();
    widget_->hide();
    // Deleted later: the window may go away inside one of its widget's events.
    widget_->deleteLater();
}

QWidget* Window::NativeWidget() const { return widget_; }

void Window::OpenAfterConstruction() {
    open_ = true;
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    Registry().open.push_back(self);
    try {
        Layout();
        CreateControls();
    } catch (...) {
        Close();
        throw;
    }
    ApplyTabOrder();
    built_ = true;
    for (const auto& control : std::vector<ControlRef>(controls_)) WindowAccess::Opened(*control);
    // After the controls' Open events, which may have grown the toolbar.
    ApplySize();
    if (visible_ && open_) Show();
    if (open_) Event_Open();
}

// --- design values ---------------------------------------------------------

void Window::SetWidth(int width) {
    width_ = std::clamp(width, 1, 32000);
    if (!built_) layoutWidth_ = width_;
    ApplySize();
}

void Window::SetHeight(int height) {
    height_ = std::clamp(height, 1, 32000);
    if (!built_) layoutHeight_ = height_;
    ApplySize();
}

void Window::SetMinWidth(int v) {
    minWidth_ = std::max(0, v);
    ApplySize();
}
void Window::SetMinHeight(int v) {
    minHeight_ = std::max(0, v);
    ApplySize();
}
void Window::SetMaxWidth(int v) {
    maxWidth_ = std::max(1, v);
    ApplySize();
}
void Window::SetMaxHeight(int v) {
    maxHeight_ = std::max(1, v);
    ApplySize();
}
void Window::SetFrame(int frame) {
    frame_ = frame;
    ApplyFlags();
}
void Window::SetCloseButton(bool v) {
    closeButton_ = v;
    ApplyFlags();
}
void Window::SetResizeable(bool v) {
    resizeable_ = v;
    ApplyFlags();
    ApplySize();
}
void Window::SetMaximizeButton(bool v) {
    maximizeButton_ = v;
    ApplyFlags();
}
void Window::SetMinimizeButton(bool v) {
    minimizeButton_ = v;
    ApplyFlags();
}

void Window::SetHasBackColor(bool has) {
    hasBackColor_ = has;
    ApplyBackground();
}
void Window::SetBackColor(const Color& color) {
    backColor_ = color;
    ApplyBackground();
}

void Window::SetTitle(const String& title) {
    title_ = title;
    widget_->setWindowTitle(detail::ToQString(title));
}

void Window::SetVisible(bool visible) {
    if (!built_) {
        visible_ = visible;
        return;
    }
    if (visible)
        Show();
    else
        Hide();
}

void Window::SetMenuBarVisible(bool v) {
    menuBarVisible_ = v;
    if (widget_->menuWidget() != nullptr) widget_->menuWidget()->setVisible(v);
    ApplySize();
}

void Window::SetFullScreen(bool v) {
    fullScreen_ = v;
    if (!visible_ || !built_) return;
    if (v)
        widget_->showFullScreen();
    else
        widget_->showNormal();
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags = (frame_ == 0 ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
    if (!resizeable_) flags |= Qt::MSWindowsFixedSizeDialogHint;
    if (widget_->windowFlags() == flags) return;
    const bool shown = widget_->isVisible();
    widget_->setWindowFlags(flags);  // hides the widget
    if (shown) widget_->show();
}

void Window::ApplySize() {
    QWidget* content = widget_->Content();
    if (resizeable_) {
        content->setMinimumSize(std::min(minWidth_, width_), std::min(minHeight_, height_));
        content->setMaximumSize(std::max(maxWidth_, width_), std::max(maxHeight_, height_));
    } else {
        content->setFixedSize(width_, height_);
    }
    // The window is the content plus the menu bar and the toolbars above it.
    int extra = 0;
    if (QWidget* bar = widget_->menuWidget(); bar != nullptr && menuBarVisible_) extra += bar->sizeHint().height();
    for (QToolBar* toolbar : widget_->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        extra += toolbar->sizeHint().height();
    if (resizeable_) {
        // Limits of its own undone: the layout gives it its content's minimum.
        widget_->setMinimumSize(0, 0);
        widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget_->resize(width_, height_ + extra);
    } else {
        // Equal minimum and maximum: the window system offers no resizing either.
        widget_->setFixedSize(width_, height_ + extra);
    }
}

void Window::ApplyBackground() {
    QWidget* content = widget_->Content();
    if (hasBackColor_) {
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, detail::ToQColor(backColor_));
        content->setPalette(palette);
        content->setAutoFillBackground(true);
    } else {
        content->setPalette(QPalette());
        content->setAutoFillBackground(false);
    }
}

void Window::ApplyTabOrder() {
    std::vector<ControlRef> ordered(controls_);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ControlRef& a, const ControlRef& b) { return a->TabIndex() < b->TabIndex(); });
    QWidget* previous = nullptr;
    for (const auto& control : ordered) {
        QWidget* widget = control->NativeWidget();
        if (widget == nullptr || widget->parentWidget() != widget_->Content()) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void Window::PlaceOnScreen() {
    if (placed_ || placement_ == 0) return;
    placed_ = true;
    QRect area;
    if (placement_ == 1 && QApplication::activeWindow() != nullptr && QApplication::activeWindow() != widget_)
        area = QApplication::activeWindow()->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty()) return;
    QRect frame = widget_->frameGeometry();
    frame.moveCenter(area.center());
    widget_->move(frame.topLeft());
}

// --- controls --------------------------------------------------------------

void Window::_AddControl(const String& name, const ControlRef& control) {
    if (!control) return;
    control->SetName(name);
    controls_.push_back(control);
    WindowAccess::Attach(*control, *this, widget_->Content());
    ApplySize();
}

ControlRef Window::_ControlByName(const String& name) const {
    for (const auto& control : controls_)
        if (control->Name() == name) return control;
    return nullptr;
}

ControlRef Window::ControlAt(int index) const {
    if (index < 0 || index >= ControlCount()) return nullptr;
    return controls_[static_cast<size_t>(index)];
}

void Window::ContentResized(int width, int height) {
    const int dx = width - layoutWidth_;
    const int dy = height - layoutHeight_;
    layoutWidth_ = width;
    layoutHeight_ = height;
    width_ = width;
    height_ = height;
    if (dx == 0 && dy == 0) return;
    for (const auto& control : controls_) WindowAccess::WindowResized(*control, dx, dy);
}

// --- showing and closing ---------------------------------------------------

void Window::Show() {
    if (!open_) return;
    visible_ = true;
    if (!built_) return;
    PlaceOnScreen();
    if (fullScreen_)
        widget_->showFullScreen();
    else
        widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::Hide() {
    visible_ = false;
    widget_->hide();
}

void Window::Close() {
    if (!open_ || closing_) return;
    // Keeps the object alive until this call has returned.
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    {
        struct Closing {
            bool& flag;
            ~Closing() { flag = false; }
        } closing{closing_ = true};
        Event_Close();
    }
    open_ = false;
    visible_ = false;
    widget_->hide();
    auto& open = Registry().open;
    open.erase(std::remove(open.begin(), open.end(), self), open.end());
    if (Registry().closedHandler) Registry().closedHandler(*this);
}

void Window::ShowModal() {
    if (!open_) return;
    auto self = std::static_pointer_cast<Window>(shared_from_this());
    if (widget_->isVisible()) widget_->hide();
    widget_->setWindowModality(Qt::ApplicationModal);
    Show();
    if (const auto answerer = ModalWindowAnswerer(); answerer && answerer(*this)) Hide();
    RunNestedLoop([self] { return !self->open_ || !self->visible_; });
    if (!widget_->isVisible()) widget_->setWindowModality(Qt::NonModal);
}

void Window::SetMenuBar(const std::shared_ptr<runtime::MenuBar>& menuBar) {
    menuBar_ = menuBar;
    if (menuBar) {
        QMenuBar* bar = menuBar->CreateNativeBar(widget_);
        widget_->setMenuBar(bar);  // deletes the previous one
        bar->setVisible(menuBarVisible_);
    } else {
        widget_->setMenuBar(nullptr);
    }
    ApplySize();
}

}  // namespace runtime
