#pragma once
// Tool items of a Toolbar.
//
// ToolButton styles: 0 a push button (icon above caption), 5 a fixed space
// between groups, drawn empty, without icon or caption, and never pressed.
// Any other style shows as a push button. The style takes effect when the item
// is appended to its toolbar; the other properties follow at once.

#include <memory>

#include <QPointer>

#include "runtime/core/Object.h"
#include "runtime/core/String.h"
#include "runtime/ui/Picture.h"

class QToolButton;
class QWidget;

namespace runtime {

class Toolbar;

class ToolItem : public Object {
public:
    const String& Name() const { return name_; }
    void SetName(const String& name) { name_ = name; }
    const String& Caption() const { return caption_; }
    void SetCaption(const String& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const String& HelpTag() const { return helpTag_; }
    void SetHelpTag(const String& helpTag);

    // The widget in the toolbar; nil before the item is appended.
    QWidget* NativeWidget() const { return widget_.data(); }

protected:
    virtual void Update();

private:
    friend class Toolbar;
    // Makes the widget that shows the item; a press on it is passed to owner.
    virtual QWidget* CreateNative(Toolbar& owner) = 0;

    String name_;
    String caption_;
    bool enabled_ = true;
    String helpTag_;

protected:
    QPointer<QWidget> widget_;
};

class ToolButton : public ToolItem {
public:
    static constexpr int StylePushButton = 0;
    static constexpr int StyleSpace = 5;

    int Style() const { return style_; }
    void SetStyle(int style) { style_ = style; }
    // The icon; nil for none.
    PictureRef Icon() const { return icon_; }
    void SetIcon(const PictureRef& icon);

    bool IsSpace() const { return style_ == StyleSpace; }
    // The button a user presses; nil for a space or before the item is appended.
    QToolButton* NativeButton() const;

protected:
    void Update() override;

private:
    QWidget* CreateNative(Toolbar& owner) override;

    int style_ = StylePushButton;
    PictureRef icon_;
};

using ToolItemRef = std::shared_ptr<ToolItem>;
using ToolButtonRef = std::shared_ptr<ToolButton>;

}  // namespace runtime
