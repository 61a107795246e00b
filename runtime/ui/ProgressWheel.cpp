#include "runtime/ui/ProgressWheel.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace runtime {

namespace {

constexpr int kSpokes = 12;

class WheelWidget : public QWidget {
public:
    WheelWidget() {
        setAccessibleName(QStringLiteral("busy"));
        timer_.setInterval(80);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            step_ = (step_ + 1) % kSpokes;
            update();
        });
    }
    bool Turning() const { return timer_.isActive(); }

protected:
    void showEvent(QShowEvent*) override { timer_.start(); }
    void hideEvent(QHideEvent*) override { timer_.stop(); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(width(), height());
        painter.translate(width() / 2.0, height() / 2.0);
        QColor color = palette().color(QPalette::WindowText);
        for (int i = 0; i < kSpokes; ++i) {
            // The newest spoke is darkest; the others fade behind it.
            color.setAlphaF(0.15 + 0.85 * ((i + kSpokes - step_) % kSpokes) / (kSpokes - 1.0));
            painter.setPen(QPen(color, std::max(1.0, side / 10.0), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(0, side * 0.22), QPointF(0, side * 0.45));
            painter.rotate(360.0 / kSpokes);
        }
    }

private:
    QTimer timer_;
    int step_ = 0;
};

}  // namespace

ProgressWheel::ProgressWheel() : Control(new WheelWidget) {
    SetWidth(16);
    SetHeight(16);
}

bool ProgressWheel::Animating() const {
    auto* wheel = static_cast<WheelWidget*>(NativeWidget());
    return wheel != nullptr && wheel->Turning();
}

}  // namespace runtime
