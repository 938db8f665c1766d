#include "toolkit/controls/Canvas.h"

#include "toolkit/core/Dispatch.h"
#include "toolkit/pictures/Graphics.h"
#include "toolkit/pictures/Picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace tk {

class CanvasWidget : public QWidget {
  public:
    explicit CanvasWidget(Canvas* owner) : owner_(owner) {}
    void forget() { owner_ = nullptr; }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner_)
            return;
        QPainter painter(this);
        Graphics g(painter, width(), height());
        owner_->paintWith(g);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (owner_ && event->button() == Qt::LeftButton) {
            const QPoint at = event->position().toPoint();
            if (owner_->pressAt(at.x(), at.y()))
                return;
        }
        QWidget::mousePressEvent(event);
    }

  private:
    Canvas* owner_;
};

Canvas::Canvas() : RectControl(new CanvasWidget(this)) { qwidget()->setFocusPolicy(Qt::NoFocus); }

Canvas::~Canvas() {
    if (CanvasWidget* w = canvasWidget())
        w->forget();
}

CanvasWidget* Canvas::canvasWidget() const {
    try {
        return static_cast<CanvasWidget*>(qwidget());
    } catch (const NilObjectException&) {
        return nullptr;
    }
}

void Canvas::setBackdrop(Ref<Picture> picture) {
    backdrop_ = std::move(picture);
    qwidget()->update();
}

void Canvas::paintWith(Graphics& g) {
    dispatch([&] {
        if (backdrop_)
            g.DrawPicture(backdrop_, 0, 0);
        Event_Paint(g);
    });
}

void Canvas::Event_Paint(Graphics& g) { Paint.raise(*this, g); }

bool Canvas::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "AcceptFocus") {
        qwidget()->setFocusPolicy(value.toBool() ? Qt::StrongFocus : Qt::NoFocus);
        return true;
    }
    if (name == "Transparent" || name == "EraseBackground" || name == "DoubleBuffer" || name == "AcceptTabs" ||
        name == "UseFocusRing")
        return true; // Qt widgets are double-buffered and show their parent behind them.
    return RectControl::applyStoredProperty(name, value);
}

} // namespace tk
