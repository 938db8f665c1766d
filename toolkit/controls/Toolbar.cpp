#include "toolkit/controls/Toolbar.h"

#include "toolkit/core/QtText.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QAction>
#include <QPixmap>
#include <QToolBar>

namespace tk {

ToolItem::ToolItem() : action_(std::make_unique<QAction>()) {}
ToolItem::~ToolItem() = default;

std::string ToolItem::Caption() const { return fromQt(action_->text()); }
void ToolItem::setCaption(const std::string& caption) { action_->setText(toQt(caption)); }
void ToolItem::setHelpTag(const std::string& tag) {
    helpTag_ = tag;
    action_->setToolTip(toQt(tag));
}
bool ToolItem::Enabled() const { return action_->isEnabled(); }
void ToolItem::setEnabled(bool enabled) { action_->setEnabled(enabled); }

void ToolButton::setIcon(Ref<Picture> icon) {
    icon_ = std::move(icon);
    action()->setIcon(icon_ ? QIcon(QPixmap::fromImage(icon_->image())) : QIcon());
}

Toolbar::Toolbar() : RectControl(new QToolBar()) {
    QToolBar* b = bar();
    b->setMovable(false);
    b->setFloatable(false);
    b->setIconSize(QSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->toggleViewAction()->setVisible(false);
    b->setContextMenuPolicy(Qt::PreventContextMenu);
}

QToolBar* Toolbar::bar() const { return static_cast<QToolBar*>(qwidget()); }

void Toolbar::attachTo(Window& window) {
    Control::attachTo(window);
    WindowWidget& w = deref(window.widget());
    // The content area keeps its size: the window grows by the toolbar's height.
    const QSize content = w.contentArea()->size();
    w.addToolBar(Qt::TopToolBarArea, bar());
    w.resizeContent(content.width(), content.height());
}

void Toolbar::Append(const Ref<ToolItem>& item) {
    requireMainThread();
    QAction* action = deref(item.get()).action();
    items_.push_back(item);
    bar()->addAction(action);
    ToolItem* pressed = item.get();
    QObject::connect(action, &QAction::triggered, bar(), [this, pressed] { Action.raise(*this, *pressed); });
}

Ref<ToolItem> Toolbar::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

} // namespace tk
