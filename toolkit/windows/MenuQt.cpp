#include "toolkit/windows/MenuQt.h"

#include "toolkit/core/Dispatch.h"
#include "toolkit/core/QtText.h"
#include "toolkit/windows/Menu.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tk {

namespace {

QKeySequence shortcutFor(const std::string& text) {
    QString keys = toQt(text);
    keys.replace("Cmd", "Ctrl").replace("Option", "Alt");
    return QKeySequence::fromString(keys, QKeySequence::PortableText);
}

QAction* actionFor(const Ref<MenuItem>& item, Window& owner, QObject* parent) {
    auto* action = new QAction(toQt(item->Text()), parent);
    if (!item->KeyboardShortcut().empty())
        action->setShortcut(shortcutFor(item->KeyboardShortcut()));
    action->setMenuRole(QAction::NoRole);
    Window* ownerPtr = &owner;
    QObject::connect(action, &QAction::triggered, action, [item, ownerPtr] {
        // The window whose menu or shortcut was used is the frontmost one:
        // shortcuts only fire in the active window.
        dispatch([&] { item->Action(ownerPtr); });
    });
    return action;
}

bool shown(const MenuItem& item) { return item.Visible() && !item.Text().empty(); }

void fillMenu(QMenu* menu, const MenuItem& parent, Window& owner) {
    for (int i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (item->isSeparator()) {
            menu->addSeparator();
        } else if (!shown(*item)) {
            continue;
        } else if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(toQt(item->Text()));
            fillMenu(sub, *item, owner);
        } else {
            QAction* action = actionFor(item, owner, menu);
            action->setData(QVariant::fromValue(static_cast<void*>(item.get())));
            menu->addAction(action);
        }
    }
    // Items that no handler would answer are shown disabled while the menu is open.
    Window* ownerPtr = &owner;
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, ownerPtr] {
        Window* front = ownerPtr;
        dispatch([&] { front->Event_EnableMenuItems(); });
        for (QAction* action : menu->actions())
            if (auto* item = static_cast<MenuItem*>(action->data().value<void*>()))
                action->setEnabled(item->hasHandler(front));
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [menu] {
        for (QAction* action : menu->actions())
            action->setEnabled(true);
    });
}

void addShortcuts(const MenuItem& parent, Window& owner, QWidget* widget) {
    for (int i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (!item->KeyboardShortcut().empty() && !item->isSeparator())
            widget->addAction(actionFor(item, owner, widget));
        addShortcuts(*item, owner, widget);
    }
}

} // namespace

QMenuBar* buildQMenuBar(const MenuItem& bar, Window& window) {
    auto* menuBar = new QMenuBar();
    menuBar->setNativeMenuBar(false);
    for (int i = 0; i < bar.Count(); ++i) {
        Ref<MenuItem> top = bar.Item(i);
        if (!shown(*top))
            continue;
        QMenu* menu = menuBar->addMenu(toQt(top->Text()));
        fillMenu(menu, *top, window);
    }
    return menuBar;
}

void installMenuShortcuts(const MenuItem& bar, Window& window) {
    addShortcuts(bar, window, &deref(window.widget()));
}

} // namespace tk
