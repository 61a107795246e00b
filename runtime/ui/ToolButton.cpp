#include "runtime/ui/ToolButton.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>

#include "runtime/ui/Toolbar.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

namespace {

constexpr int kSpaceWidth = 16;

}  // namespace

void ToolItem::SetCaption(const String& caption) {
    caption_ = caption;
    Update();
}

void ToolItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void ToolItem::SetHelpTag(const String& helpTag) {
    helpTag_ = helpTag;
    Update();
}

void ToolItem::Update() {
    if (!widget_) return;
    widget_->setEnabled(enabled_);
    widget_->setToolTip(detail::ToQString(helpTag_));
}

void ToolButton::SetIcon(const PictureRef& icon) {
    icon_ = icon;
    Update();
}

QToolButton* ToolButton::NativeButton() const { return qobject_cast<QToolButton*>(widget_.data()); }

void ToolButton::Update() {
    ToolItem::Update();
    QToolButton* button = NativeButton();
    if (button == nullptr) return;
    const QString caption = detail::ToQString(Caption());
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setIcon(icon_ ? QIcon(QPixmap::fromImage(icon_->ToImage())) : QIcon());
}

QWidget* ToolButton::CreateNative(Toolbar& owner) {
    if (IsSpace()) {
        auto* space = new QWidget;
        space->setFixedWidth(kSpaceWidth);
        widget_ = space;
    } else {
        auto* button = new QToolButton;
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::TabFocus);
        // The toolbar disconnects its buttons before it goes away.
        QObject::connect(button, &QToolButton::clicked, button, [&owner, this] { owner.Pressed(*this); });
        widget_ = button;
    }
    widget_->setObjectName(detail::ToQString(Name()));
    Update();
    return widget_;
}

}  // namespace runtime
