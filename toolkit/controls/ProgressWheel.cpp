#include "toolkit/controls/ProgressWheel.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace tk {

namespace {
constexpr int spokeCount = 12;
constexpr int stepMs = 80;
// Light grey, to read on the dark window background.
const QColor spokeColor(214, 214, 214);

// Light spokes in a circle; the brightest one goes round, the ones behind it fade.
class WheelWidget : public QWidget {
  public:
    WheelWidget() {
        setFocusPolicy(Qt::NoFocus);
        timer_.setInterval(stepMs);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            head_ = (head_ + 1) % spokeCount;
            update();
        });
    }

  protected:
    void showEvent(QShowEvent*) override { timer_.start(); }
    void hideEvent(QHideEvent*) override { timer_.stop(); }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(width() / 2.0, height() / 2.0);
        const double side = std::min(width(), height());
        const double outer = side / 2.0 - 1.0;
        const double inner = outer * 0.5;
        QPen pen;
        pen.setWidthF(std::max(1.2, side / 10.0));
        pen.setCapStyle(Qt::RoundCap);
        for (int i = 0; i < spokeCount; ++i) {
            const int behind = (head_ - i + spokeCount) % spokeCount;
            QColor color = spokeColor;
            color.setAlphaF(1.0f - 0.8f * float(behind) / spokeCount);
            pen.setColor(color);
            painter.setPen(pen);
            painter.save();
            painter.rotate(i * 360.0 / spokeCount);
            painter.drawLine(QPointF(0, -inner), QPointF(0, -outer));
            painter.restore();
        }
    }

  private:
    QTimer timer_;
    int head_ = 0;
};
} // namespace

ProgressWheel::ProgressWheel() : RectControl(new WheelWidget()) {
    setWidth(16);
    setHeight(16);
}

} // namespace tk
