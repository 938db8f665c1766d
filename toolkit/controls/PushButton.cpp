#include "toolkit/controls/PushButton.h"

#include "toolkit/core/QtText.h"
#include "toolkit/windows/Window.h"
#include "toolkit/windows/WindowWidget.h"

#include <QPushButton>
#include <QShortcut>

namespace tk {

PushButton::PushButton() : RectControl(new QPushButton()) {
    button()->setAutoDefault(false);
    QObject::connect(button(), &QPushButton::clicked, button(), [this] { Action.raise(*this); });
}

QPushButton* PushButton::button() const { return static_cast<QPushButton*>(qwidget()); }

std::string PushButton::Caption() const { return fromQt(button()->text()); }
void PushButton::setCaption(const std::string& caption) { button()->setText(toQt(caption)); }

void PushButton::Push() { button()->click(); }

void PushButton::setDefault(bool isDefault) {
    isDefault_ = isDefault;
    button()->setDefault(isDefault);
    updateShortcuts();
}

void PushButton::setCancel(bool isCancel) {
    isCancel_ = isCancel;
    updateShortcuts();
}

void PushButton::attachTo(Window& window) {
    RectControl::attachTo(window);
    updateShortcuts();
}

void PushButton::updateShortcuts() {
    // Shortcuts belong to the button's window, so they work wherever the focus is in it.
    auto keep = [this](QPointer<QShortcut>& shortcut, bool wanted, QKeySequence keys) {
        delete shortcut.data();
        if (!wanted || !window())
            return;
        shortcut = new QShortcut(keys, window()->widget());
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button(), [this] {
            if (button()->isVisible() && button()->isEnabled())
                Push();
        });
    };
    keep(returnKey_, isDefault_, QKeySequence(Qt::Key_Return));
    keep(enterKey_, isDefault_, QKeySequence(Qt::Key_Enter));
    keep(escapeKey_, isCancel_, QKeySequence(Qt::Key_Escape));
}

bool PushButton::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Caption")
        setCaption(value.toString());
    else if (name == "Default")
        setDefault(value.toBool());
    else if (name == "Cancel")
        setCancel(value.toBool());
    else if (name == "ButtonStyle")
        ; // One look for every push button.
    else if (applyFontProperty(name, value))
        ;
    else
        return RectControl::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
