#include "toolkit/controls/BevelButton.h"

#include "toolkit/core/QtText.h"
#include "toolkit/windows/Menu.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <functional>

namespace tk {

namespace {
using Chosen = std::function<void(const Ref<MenuItem>&)>;

void fillMenu(QMenu* menu, const MenuItem& parent, const Chosen& chosen) {
    for (int i = 0; i < parent.Count(); ++i) {
        Ref<MenuItem> item = parent.Item(i);
        if (item->isSeparator()) {
            menu->addSeparator();
        } else if (!item->Visible()) {
            continue;
        } else if (item->Count() > 0) {
            fillMenu(menu->addMenu(toQt(item->Text())), *item, chosen);
        } else {
            QAction* action = menu->addAction(toQt(item->Text()));
            QObject::connect(action, &QAction::triggered, menu, [chosen, item] { chosen(item); });
        }
    }
}

Qt::Alignment captionAlignment(int align) {
    return align == 0 ? Qt::AlignLeft : align == 1 ? Qt::AlignRight : Qt::AlignHCenter;
}
} // namespace

// Draws the style's button bevel with the caption placed by its alignment.
class BevelButtonWidget : public QPushButton {
  public:
    explicit BevelButtonWidget(BevelButton* owner) : owner_(owner) {
        setAutoDefault(false);
        setFocusPolicy(Qt::NoFocus);
        connect(this, &QPushButton::clicked, this, [this] {
            if (owner_)
                owner_->Action.raise(*owner_);
        });
    }
    void forget() { owner_ = nullptr; }

    Qt::Alignment alignment = Qt::AlignHCenter;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        // A little room between a flush caption and the bevel.
        const QRect contents =
            style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(3, 0, -3, 0);
        painter.drawItemText(contents, int(alignment | Qt::AlignVCenter) | Qt::TextShowMnemonic, palette(),
                             isEnabled(), text(), QPalette::ButtonText);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        event->accept();
        if (!owner_)
            return;
        auto base = makeRef<MenuItem>();
        const QPoint at = event->pos();
        if (!owner_->ConstructContextualMenu.raise(*owner_, base, at.x(), at.y()) || base->Count() == 0)
            return;
        auto* menu = new QMenu(this);
        fillMenu(menu, *base, [this](const Ref<MenuItem>& item) {
            if (owner_)
                owner_->ContextualMenuAction.raise(*owner_, item);
        });
        // An entry's triggered signal comes after the menu has hidden itself.
        connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
        menu->popup(event->globalPos());
    }

  private:
    BevelButton* owner_;
};

BevelButton::BevelButton() : RectControl(new BevelButtonWidget(this)) {}

BevelButton::~BevelButton() {
    try {
        button()->forget();
    } catch (const NilObjectException&) {
        // The window has taken the widget with it.
    }
}

BevelButtonWidget* BevelButton::button() const { return static_cast<BevelButtonWidget*>(qwidget()); }

std::string BevelButton::Caption() const { return fromQt(button()->text()); }
void BevelButton::setCaption(const std::string& caption) { button()->setText(toQt(caption)); }

void BevelButton::setCaptionAlign(int align) {
    captionAlign_ = align;
    button()->alignment = captionAlignment(align);
    button()->update();
}

bool BevelButton::Value() const { return button()->isChecked(); }
void BevelButton::setValue(bool value) { button()->setChecked(value); }

void BevelButton::setTextColor(Color color) {
    QPalette palette = button()->palette();
    palette.setColor(QPalette::ButtonText, QColor(color.red, color.green, color.blue));
    button()->setPalette(palette);
}

void BevelButton::applyBackColor() {
    QPalette palette = button()->palette();
    const QColor own(backColor_.red, backColor_.green, backColor_.blue);
    palette.setColor(QPalette::Button, hasBackColor_ ? own : QPalette().color(QPalette::Button));
    button()->setPalette(palette);
}

bool BevelButton::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Caption") {
        setCaption(value.toString());
    } else if (name == "CaptionAlign") {
        setCaptionAlign(value.toInt());
    } else if (name == "ButtonType") {
        button()->setCheckable(value.toInt() != 0);
    } else if (name == "Value") {
        setValue(value.toBool());
    } else if (name == "TextColor") {
        setTextColor(value.toColor());
    } else if (name == "HasBackColor") {
        hasBackColor_ = value.toBool();
        applyBackColor();
    } else if (name == "BackColor") {
        backColor_ = value.toColor();
        applyBackColor();
    } else if (name == "AcceptFocus") {
        button()->setFocusPolicy(value.toBool() ? Qt::StrongFocus : Qt::NoFocus);
    } else if (name == "CaptionPlacement" || name == "Bevel" || name == "HasMenu") {
        // One bevel, the caption beside no icon, no pop-up menu arrow.
    } else if (!applyFontProperty(name, value)) {
        return RectControl::applyStoredProperty(name, value);
    }
    return true;
}

} // namespace tk
