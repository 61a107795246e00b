#pragma once
// Control (the framework's RectControl): the base of every control a window
// holds. A control is made first, then registered in its window
// (Window::_AddControl), which places its widget in the window's content area.
//
// Coordinates are pixels from the content area's top left. A locked edge keeps
// its distance to the same window edge when the window is resized; with both
// edges of a side locked the control grows and shrinks with the window.

#include <memory>

#include <QPointer>
#include <QWidget>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"

namespace runtime {

class Window;

namespace detail {
class WindowAccess;
}

class Control : public Object {
public:
    ~Control() override;

    const String& Name() const { return name_; }
    void SetName(const String& name) { name_ = name; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    bool LockLeft() const { return lockLeft_; }
    bool LockTop() const { return lockTop_; }
    bool LockRight() const { return lockRight_; }
    bool LockBottom() const { return lockBottom_; }
    void SetLockLeft(bool lock) { lockLeft_ = lock; }
    void SetLockTop(bool lock) { lockTop_ = lock; }
    void SetLockRight(bool lock) { lockRight_ = lock; }
    void SetLockBottom(bool lock) { lockBottom_ = lock; }

    // The control's own setting; it shows only while its window shows too.
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    const String& HelpTag() const { return helpTag_; }
    virtual void SetHelpTag(const String& helpTag);
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int tabIndex) { tabIndex_ = tabIndex; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    // The window that holds the control; nil before it is registered or after
    // the window went away.
    std::shared_ptr<runtime::Window> Window() const { return window_.lock(); }

    QWidget* NativeWidget() const { return widget_.data(); }

protected:
    // Takes ownership of widget, which stays hidden until the control joins a window.
    explicit Control(QWidget* widget);

    // Places the widget in the window; a control shown elsewhere (a toolbar)
    // overrides it.
    virtual void AttachTo(runtime::Window& window, QWidget* content);
    // Moves the widget to the control's rectangle.
    virtual void ApplyGeometry();
    // Runs once after every control of the window exists (the Open event).
    virtual void Opened() {}

private:
    friend class detail::WindowAccess;
    void Attach(runtime::Window& window, QWidget* content);
    void WindowResized(int dx, int dy);

    QPointer<QWidget> widget_;
    std::weak_ptr<runtime::Window> window_;
    bool attached_ = false;
    String name_;
    int left_ = 0, top_ = 0, width_ = 100, height_ = 100;
    bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    Qt::FocusPolicy focusPolicy_ = Qt::NoFocus;  // the widget's own, for TabStop
    String helpTag_;
    int tabIndex_ = 0;
};

using RectControl = Control;
using ControlRef = std::shared_ptr<Control>;

}  // namespace runtime
