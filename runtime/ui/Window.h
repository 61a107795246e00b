#pragma once
// Window: a top-level window of the framework, with its design values, its
// controls and its events.
//
// A window is made with NewWindow<W>(), which constructs it, runs Layout()
// (design values), then CreateControls(), raises the controls' Open events,
// shows the window when Visible is set and raises Event_Open(). An open window
// is kept in the window list (OpenWindows()) until it is closed, so it lives
// while it is open even when nobody else holds it.
//
// Width and Height are the content area's; a menu bar and a toolbar are added
// around it. A window that is not Resizeable keeps that size, and the window
// system is told so.

#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/ui/Color.h"
#include "runtime/ui/Control.h"

class QWidget;

namespace runtime {

class MenuBar;

namespace detail {
class WindowWidget;
class WindowContent;
class WindowAccess;
}  // namespace detail

class Window : public Object {
public:
    Window();
    ~Window() override;

    // Design values. Placement: 0 the window system's choice, 1 centred over
    // the active window, any other code centred on the screen. Frame: 0 a
    // document window, any other code a dialog-like window.
    int Placement() const { return placement_; }
    void SetPlacement(int placement) { placement_ = placement; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width);
    void SetHeight(int height);
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetMinWidth(int v);
    void SetMinHeight(int v);
    void SetMaxWidth(int v);
    void SetMaxHeight(int v);
    int Frame() const { return frame_; }
    void SetFrame(int frame);
    bool HasBackColor() const { return hasBackColor_; }
    void SetHasBackColor(bool has);
    Color BackColor() const { return backColor_; }
    void SetBackColor(const Color& color);
    const String& Title() const { return title_; }
    void SetTitle(const String& title);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool CloseButton() const { return closeButton_; }
    void SetCloseButton(bool v);
    bool Resizeable() const { return resizeable_; }
    void SetResizeable(bool v);
    bool MaximizeButton() const { return maximizeButton_; }
    void SetMaximizeButton(bool v);
    bool MinimizeButton() const { return minimizeButton_; }
    void SetMinimizeButton(bool v);
    bool MenuBarVisible() const { return menuBarVisible_; }
    void SetMenuBarVisible(bool v);
    bool FullScreen() const { return fullScreen_; }
    void SetFullScreen(bool v);
    // Kept for the program; windows here always composite and resize live.
    bool Composite() const { return composite_; }
    void SetComposite(bool v) { composite_ = v; }
    bool LiveResize() const { return liveResize_; }
    void SetLiveResize(bool v) { liveResize_ = v; }

    // Building steps and events, overridden by the program's windows.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}
    // A mouse press in the content area (content coordinates).
    virtual bool Event_MouseDown(int x, int y) { return false; }
    virtual void Event_Close() {}

    // Registers control under name (which becomes its Name) and places it.
    void _AddControl(const String& name, const ControlRef& control);
    // The control of that name (letter case ignored), nil when there is none.
    ControlRef _ControlByName(const String& name) const;
    template <class T>
    std::shared_ptr<T> Control(const String& name) const {
        return std::dynamic_pointer_cast<T>(_ControlByName(name));
    }
    // Controls in the order they were registered.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    ControlRef ControlAt(int index) const;

    void Show();
    void Hide();
    // Raises Event_Close, hides the window and takes it off the window list.
    void Close();
    // Shows the window modal and returns when it is hidden or closed. Blocks
    // the caller, a thread too, in a nested event loop.
    void ShowModal();
    bool IsOpen() const { return open_; }

    void SetMenuBar(const std::shared_ptr<runtime::MenuBar>& menuBar);
    std::shared_ptr<runtime::MenuBar> MenuBar() const { return menuBar_; }

    // The top-level Qt widget (a QMainWindow), for dialogs that need a parent.
    QWidget* NativeWidget() const;

private:
    friend class detail::WindowContent;
    friend class detail::WindowAccess;
    void ContentResized(int width, int height);
    void ApplySize();
    void ApplyFlags();
    void ApplyBackground();
    void ApplyTabOrder();
    void PlaceOnScreen();
    void OpenAfterConstruction();

    detail::WindowWidget* widget_;  // deleted later, when the window goes away
    std::vector<ControlRef> controls_;
    std::shared_ptr<runtime::MenuBar> menuBar_;
    bool built_ = false;
    bool open_ = false;
    bool closing_ = false;
    bool placed_ = false;
    int placement_ = 0;
    int width_ = 300, height_ = 300;
    int layoutWidth_ = 300, layoutHeight_ = 300;
    int minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
    int frame_ = 0;
    bool hasBackColor_ = false;
    Color backColor_{255, 255, 255};
    String title_;
    bool visible_ = true;
    bool closeButton_ = true, resizeable_ = true, maximizeButton_ = true, minimizeButton_ = true;
    bool menuBarVisible_ = true, fullScreen_ = false, composite_ = false, liveResize_ = true;

    template <class W, class... A>
    friend std::shared_ptr<W> NewWindow(A&&... args);
    template <class W>
    friend std::shared_ptr<W> ImplicitInstance();
};

using WindowRef = std::shared_ptr<Window>;

namespace detail {
// The implicit instance of a window class: the open window the accessor made.
WindowRef ImplicitWindow(std::type_index type);
void SetImplicitWindow(std::type_index type, const WindowRef& window);
}  // namespace detail

// Constructs W, builds it (Layout, CreateControls), shows it when Visible and
// raises its Open event.
template <class W, class... A>
std::shared_ptr<W> NewWindow(A&&... args) {
    auto window = std::make_shared<W>(std::forward<A>(args)...);
    window->OpenAfterConstruction();
    return window;
}

// The accessor named after a window class: the instance it made while that
// one is open, otherwise a new one made by NewWindow. A closed window is no
// longer the instance.
template <class W>
std::shared_ptr<W> ImplicitInstance() {
    if (auto existing = std::dynamic_pointer_cast<W>(detail::ImplicitWindow(typeid(W)))) return existing;
    auto window = std::make_shared<W>();
    // Registered before it opens, so its own Open event finds it.
    detail::SetImplicitWindow(typeid(W), window);
    window->OpenAfterConstruction();
    return window;
}

// The open windows, in the order they were opened.
std::vector<WindowRef> OpenWindows();

// Called after a window has been closed (by Close or by the window system).
// What follows, quitting included, is the application's decision.
void SetWindowClosedHandler(std::function<void(Window&)> handler);

// Answers ShowModal instead of a person: called once the window shows modal;
// when it returns True the window is hidden, which ends ShowModal. The modal
// responder of the app layer installs it.
void SetModalWindowAnswerer(std::function<bool(Window&)> answerer);

}  // namespace runtime
