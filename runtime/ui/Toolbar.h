#pragma once
// Toolbar: a row of tool items along the top of its window (where the window
// system puts toolbars; its own rectangle is not used).
//
// Events: Action(toolbar, item) when the user presses an enabled push button;
// Open(toolbar) once, after the window's controls all exist.

#include <functional>
#include <vector>

#include "runtime/ui/Control.h"
#include "runtime/ui/ToolButton.h"

class QToolBar;

namespace runtime {

class Toolbar : public Control {
public:
    Toolbar();
    ~Toolbar() override;

    // Adds item at the end; nil and an item already in a toolbar are ignored.
    void Append(const ToolItemRef& item);
    int Count() const { return static_cast<int>(items_.size()); }
    // Items count from 0; nil outside 0 ... Count() - 1.
    ToolItemRef Item(int index) const;

    std::function<void(Toolbar& toolbar, ToolItem& item)> Action;
    std::function<void(Toolbar& toolbar)> Open;

protected:
    void AttachTo(runtime::Window& window, QWidget* content) override;
    void ApplyGeometry() override {}
    void Opened() override;

private:
    friend class ToolButton;
    void Pressed(ToolItem& item);
    QToolBar* NativeToolbar() const;

    std::vector<ToolItemRef> items_;
    bool opened_ = false;
};

using ToolbarRef = std::shared_ptr<Toolbar>;

}  // namespace runtime
