#include "toolkit/controls/PopupMenu.h"

#include "toolkit/core/QtText.h"

#include <QComboBox>

namespace tk {

PopupMenu::PopupMenu() : RectControl(new QComboBox()) {
    QObject::connect(combo(), &QComboBox::currentIndexChanged, combo(), [this] { Change.raise(*this); });
}

QComboBox* PopupMenu::combo() const { return static_cast<QComboBox*>(qwidget()); }

void PopupMenu::AddRow(const std::string& text) { combo()->addItem(toQt(text)); }
void PopupMenu::RemoveRow(int row) {
    if (row >= 0 && row < ListCount())
        combo()->removeItem(row);
}
void PopupMenu::DeleteAllRows() { combo()->clear(); }
int PopupMenu::ListCount() const { return combo()->count(); }
int PopupMenu::ListIndex() const { return combo()->currentIndex(); }

void PopupMenu::setListIndex(int row) {
    if (row >= -1 && row < ListCount())
        combo()->setCurrentIndex(row);
}

std::string PopupMenu::Text() const { return fromQt(combo()->currentText()); }

std::string PopupMenu::List(int row) const {
    return row >= 0 && row < ListCount() ? fromQt(combo()->itemText(row)) : std::string();
}

bool PopupMenu::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "InitialValue") {
        // Rows separated by carriage returns or line ends.
        QString rows = toQt(value.toString());
        rows.replace("\r\n", "\n").replace('\r', '\n');
        DeleteAllRows();
        if (!rows.isEmpty())
            combo()->addItems(rows.split('\n'));
    } else if (name == "ListIndex") {
        setListIndex(value.toInt());
    } else if (applyFontProperty(name, value)) {
    } else {
        return RectControl::applyStoredProperty(name, value);
    }
    return true;
}

} // namespace tk
