#include "toolkit/windows/WindowWidget.h"

#include "toolkit/core/Control.h"
#include "toolkit/core/Dispatch.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/windows/Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

namespace tk {

namespace {
// While a long loop lets events run, a window is painted at most this often
// (about as often as the progress wheel turns) instead of after every item.
constexpr qint64 longLoopPaintIntervalMs = 80;
} // namespace

ContentArea::ContentArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(&owner) {}

void ContentArea::setBackground(bool hasColor, const QColor& color) {
    hasColor_ = hasColor;
    color_ = color;
    update();
}

void ContentArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!owner_)
        return;
    for (const auto& control : owner_->controls())
        control->followContentSize(width(), height());
}

void ContentArea::paintEvent(QPaintEvent*) {
    if (hasColor_)
        QPainter(this).fillRect(rect(), color_);
}

WindowWidget::WindowWidget(Window& owner) : owner_(&owner), content_(new ContentArea(owner, this)) {
    setCentralWidget(content_);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::setBackground(bool hasColor, const QColor& color) {
    content_->setBackground(hasColor, color);
    if (!hasColor)
        return;
    const bool dark = color.lightness() < 128;
    QPalette p = palette();
    p.setColor(QPalette::Window, dark ? color.lighter(125) : color);
    p.setColor(QPalette::Button, dark ? color.lighter(150) : color);
    if (dark) {
        const QColor light(225, 225, 225);
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::BrightText})
            p.setColor(role, light);
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
        p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
        p.setColor(QPalette::Light, color.lighter(190));
        p.setColor(QPalette::Mid, color.lighter(110));
        p.setColor(QPalette::Dark, color.darker(150));
        p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    }
    setPalette(p);
}

int WindowWidget::chromeHeight() const {
    int height = 0;
    if (menuWidget() && menuWidget()->isVisibleTo(this))
        height += menuWidget()->sizeHint().height();
    for (QToolBar* bar : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        if (bar->isVisibleTo(this) && toolBarArea(bar) == Qt::TopToolBarArea)
            height += bar->sizeHint().height();
    return height;
}

void WindowWidget::resizeContent(int width, int height) {
    const int chrome = chromeHeight();
    if (fixedSize_)
        setFixedSize(width, height + chrome);
    resize(width, height + chrome);
    // The content area takes its size at once, so that controls placed next
    // are placed against the size they were laid out for.
    content_->resize(width, height);
}

void WindowWidget::setContentLimits(int minWidth, int minHeight, int maxWidth, int maxHeight) {
    content_->setMinimumSize(minWidth, minHeight);
    content_->setMaximumSize(maxWidth, maxHeight);
}

void WindowWidget::setFixedContentSize(bool fixed) {
    fixedSize_ = fixed;
    if (fixed)
        setFixedSize(size());
    else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void WindowWidget::forgetOwner() {
    owner_ = nullptr;
    content_->forgetOwner();
}

bool WindowWidget::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        if (longLoopLetsEventsRun() && sinceLastPaint_.isValid() &&
            sinceLastPaint_.elapsed() < longLoopPaintIntervalMs) {
            // Asked for again: painted at a later turn of the loop, or at
            // once when events run outside it, as after the loop's end.
            QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
            return true;
        }
        sinceLastPaint_.start();
    }
    return QMainWindow::event(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (!owner_) {
        event->accept();
        return;
    }
    bool keepOpen = false;
    dispatch([&] { keepOpen = owner_->Event_CancelClose(); });
    if (keepOpen) {
        event->ignore();
        return;
    }
    event->accept();
    owner_->windowClosed();
}

void WindowWidget::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (owner_ && event->type() == QEvent::ActivationChange)
        dispatch([this] { isActiveWindow() ? owner_->Event_Activate() : owner_->Event_Deactivate(); });
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!owner_)
        return;
    dispatch([this] {
        owner_->Event_Resizing();
        owner_->Event_Resized();
    });
}

} // namespace tk
