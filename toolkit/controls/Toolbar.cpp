#include "toolkit/controls/Toolbar.h"

#include "toolkit/core/QtText.h"
#include "toolkit/pictures/Picture.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

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

namespace {
// A tool button used from the keyboard: Return presses it, as Space does, and
// while it has the focus it is outlined in the highlight colour, as push buttons are.
class KeyboardUse : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* button = qobject_cast<QToolButton*>(watched);
        if (!button)
            return false;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter)
                return false;
            button->animateClick();
            return true;
        }
        if (event->type() == QEvent::Paint && button->hasFocus()) {
            static_cast<QObject*>(button)->event(event);
            QPainter painter(button);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(button->palette().color(QPalette::Active, QPalette::Highlight), 1.5));
            painter.drawRoundedRect(QRectF(button->rect()).adjusted(1, 1, -1, -1), 2, 2);
            return true;
        }
        return false;
    }
};
} // namespace

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
    // Tool buttons take focus from the keyboard only, so that a click leaves the focus where it was.
    if (QWidget* button = bar()->widgetForAction(action)) {
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(new KeyboardUse(button));
    }
    ToolItem* pressed = item.get();
    QObject::connect(action, &QAction::triggered, bar(), [this, pressed] { Action.raise(*this, *pressed); });
}

void Toolbar::raiseOpen() {
    placeButtonsLastInTabOrder();
    Open.raise(*this);
}

void Toolbar::placeButtonsLastInTabOrder() {
    std::vector<QWidget*> buttons;
    for (const Ref<ToolItem>& item : items_)
        if (QWidget* button = bar()->widgetForAction(item->action()))
            buttons.push_back(button);
    if (buttons.empty())
        return;
    // The window's focus chain runs round through the window: the widgets before
    // it are the last. Qt orders only widgets that take focus.
    QWidget* last = bar()->window()->previousInFocusChain();
    while (last != bar()->window() &&
           (last->focusPolicy() == Qt::NoFocus || std::find(buttons.begin(), buttons.end(), last) != buttons.end()))
        last = last->previousInFocusChain();
    if (last == bar()->window())
        return;
    for (QWidget* button : buttons) {
        QWidget::setTabOrder(last, button);
        last = button;
    }
}

Ref<ToolItem> Toolbar::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

} // namespace tk
