#include "toolkit/controls/TextField.h"

#include "toolkit/core/QtText.h"

#include <QLineEdit>
#include <QValidator>

namespace tk {

namespace {
// Takes out carriage returns and line feeds, whichever way they come in (pasted,
// dropped or set), so that a one-line text written as a line of a text file
// reads back as it was.
class NoLineBreaks : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& text, int& cursor) const override {
        QString kept;
        int keptBeforeCursor = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n')
                continue;
            kept += text[i];
            if (i < cursor)
                ++keptBeforeCursor;
        }
        text = kept;
        cursor = keptBeforeCursor;
        return Acceptable;
    }
};
} // namespace

TextField::TextField() : RectControl(new QLineEdit()) {
    field()->setValidator(new NoLineBreaks(field()));
    QObject::connect(field(), &QLineEdit::textChanged, field(), [this] { TextChange.raise(*this); });
}

QLineEdit* TextField::field() const { return static_cast<QLineEdit*>(qwidget()); }

std::string TextField::Text() const { return fromQt(field()->text()); }
void TextField::setText(const std::string& text) { field()->setText(toQt(text)); }

int TextField::SelStart() const { return field()->cursorPosition(); }
void TextField::setSelStart(int position) { field()->setCursorPosition(position); }

bool TextField::Password() const { return field()->echoMode() == QLineEdit::Password; }
void TextField::setPassword(bool masked) { field()->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal); }

bool TextField::applyStoredProperty(const std::string& name, const Variant& value) {
    QLineEdit* f = field();
    if (name == "Text")
        setText(value.toString());
    else if (name == "Password")
        setPassword(value.toBool());
    else if (name == "Border")
        f->setFrame(value.toBool());
    else if (name == "TextColor" || name == "BackColor") {
        const Color c = value.toColor();
        QPalette palette = f->palette();
        palette.setColor(name == "TextColor" ? QPalette::Text : QPalette::Base, QColor(c.red, c.green, c.blue));
        f->setPalette(palette);
    } else if (name == "Alignment") {
        const int a = value.toInt();
        f->setAlignment(a == 2 ? Qt::AlignHCenter : a == 3 ? Qt::AlignRight : Qt::AlignLeft);
    } else if (name == "CueText")
        f->setPlaceholderText(toQt(value.toString()));
    else if (name == "LimitText")
        f->setMaxLength(value.toInt() > 0 ? value.toInt() : 32767);
    else if (name == "ReadOnly")
        f->setReadOnly(value.toBool());
    else if (name == "Mask")
        f->setInputMask(toQt(value.toString()));
    else if (name == "Format" || name == "UseFocusRing" || name == "AcceptTabs" ||
             name == "AutomaticallyCheckSpelling")
        ; // Qt's line edit draws its own focus frame and never takes tabs.
    else if (applyFontProperty(name, value))
        ;
    else
        return RectControl::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
