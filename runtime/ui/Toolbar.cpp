#include "runtime/ui/Toolbar.h"

#include <QMainWindow>
#include <QToolBar>

#include "runtime/ui/Window.h"
#include "runtime/ui/detail/QtText.h"

namespace runtime {

namespace {

constexpr int kIconSide = 32;

}  // namespace

Toolbar::Toolbar() : Control(new QToolBar) {
    QToolBar* bar = NativeToolbar();
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(kIconSide, kIconSide));
}

Toolbar::~Toolbar() {
    for (const auto& item : items_)
        if (QWidget* widget = item->NativeWidget()) QObject::disconnect(widget, nullptr, nullptr, nullptr);
}

QToolBar* Toolbar::NativeToolbar() const { return static_cast<QToolBar*>(NativeWidget()); }

void Toolbar::Append(const ToolItemRef& item) {
    if (!item || item->NativeWidget() != nullptr) return;
    items_.push_back(item);
    if (QToolBar* bar = NativeToolbar()) bar->addWidget(item->CreateNative(*this));
}

ToolItemRef Toolbar::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<size_t>(index)];
}

void Toolbar::AttachTo(runtime::Window& window, QWidget*) {
    QToolBar* bar = NativeToolbar();
    auto* main = qobject_cast<QMainWindow*>(window.NativeWidget());
    if (bar == nullptr || main == nullptr) return;
    bar->setObjectName(detail::ToQString(Name()));
    bar->setWindowTitle(detail::ToQString(Name()));
    main->addToolBar(Qt::TopToolBarArea, bar);
    bar->setVisible(Visible());
}

void Toolbar::Opened() {
    if (opened_) return;
    opened_ = true;
    if (Open) Open(*this);
}

void Toolbar::Pressed(ToolItem& item) {
    if (!item.Enabled() || !Enabled()) return;
    if (Action) Action(*this, item);
}

}  // namespace runtime
