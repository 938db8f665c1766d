#pragma once

// The Qt side of a Window: a main window whose central widget is the content
// area. Toolkit-internal.
#include <QElapsedTimer>
#include <QMainWindow>

namespace tk {

class Window;

// Holds the controls at absolute positions and places them by their edge locks.
class ContentArea : public QWidget {
  public:
    ContentArea(Window& owner, QWidget* parent);
    void forgetOwner() { owner_ = nullptr; }
    void setBackground(bool hasColor, const QColor& color);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Window* owner_;
    bool hasColor_ = false;
    QColor color_;
};

class WindowWidget : public QMainWindow {
  public:
    explicit WindowWidget(Window& owner);
    ContentArea* contentArea() const { return content_; }
    // The window this widget shows; nil once that window is gone.
    Window* owner() const { return owner_; }
    void forgetOwner();
    // A window with a colour of its own: the content area shows it, and the
    // menu bar, toolbar and buttons take a matching light-on-dark look.
    void setBackground(bool hasColor, const QColor& color);

    // Resizes the window so that its content area gets this size.
    void resizeContent(int width, int height);
    // Sets the content area's size limits; the window's follow from them.
    void setContentLimits(int minWidth, int minHeight, int maxWidth, int maxHeight);
    void setFixedContentSize(bool fixed);

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    int chromeHeight() const;

    Window* owner_;
    ContentArea* content_;
    bool fixedSize_ = false;
    QElapsedTimer sinceLastPaint_;
};

} // namespace tk
