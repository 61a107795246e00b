#pragma once
// The Qt widgets behind a Window: a main window whose central widget is the
// content area in which the controls are placed by coordinates.

#include <QMainWindow>
#include <QWidget>

namespace runtime {

class Window;

namespace detail {

class WindowContent : public QWidget {
public:
    explicit WindowContent(QWidget* parent) : QWidget(parent) {}
    void SetOwner(Window* owner) { owner_ = owner; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Window* owner_ = nullptr;
};

class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(Window* owner);
    // The window object goes away before the widget (which is deleted later).
    void Detach();
    WindowContent* Content() const { return content_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Window* owner_;
    WindowContent* content_;
};

}  // namespace detail
}  // namespace runtime
