#include "toolkit/WindowWidget.h"

#include "toolkit/Dispatch.h"
#include "toolkit/RectControl.h"
#include "toolkit/Window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

namespace tk {

ContentArea::ContentArea(Window& owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

void ContentArea::setBackground(bool hasColor, const QColor& color) {
    hasColor_ = hasColor;
    color_ = color;
    update();
}

void ContentArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (const auto& control : owner_.controls())
        if (auto* rect = dynamic_cast<RectControl*>(control.get()))
            rect->followContentSize(width(), height());
}

void ContentArea::paintEvent(QPaintEvent*) {
    if (hasColor_)
        QPainter(this).fillRect(rect(), color_);
}

WindowWidget::WindowWidget(Window& owner) : owner_(owner), content_(new ContentArea(owner, this)) {
    setCentralWidget(content_);
    setAttribute(Qt::WA_DeleteOnClose, false);
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

void WindowWidget::closeEvent(QCloseEvent* event) {
    bool keepOpen = false;
    dispatch([&] { keepOpen = owner_.Event_CancelClose(); });
    if (keepOpen) {
        event->ignore();
        return;
    }
    event->accept();
    owner_.windowClosed();
}

void WindowWidget::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        dispatch([this] { isActiveWindow() ? owner_.Event_Activate() : owner_.Event_Deactivate(); });
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    dispatch([this] {
        owner_.Event_Resizing();
        owner_.Event_Resized();
    });
}

} // namespace tk
