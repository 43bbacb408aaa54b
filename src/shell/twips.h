// Positions and sizes designed in twips (1/1440 inch), converted with the screen's logical DPI.
#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace velnix::shell {

class Twips {
  public:
    explicit Twips(qreal dotsPerInch) : dotsPerInch_(dotsPerInch) {}
    explicit Twips(const QWidget& widget) : dotsPerInch_(widget.logicalDpiY()) {}

    int px(int twips) const { return static_cast<int>(std::lround(twips * dotsPerInch_ / 1440.0)); }
    int fromPx(int pixels) const {
        return static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch_));
    }
    QRect rect(int left, int top, int width, int height) const {
        return QRect(px(left), px(top), px(width), px(height));
    }
    // Places a child at its designed position and size.
    void place(QWidget* widget, int left, int top, int width, int height) const {
        widget->setGeometry(rect(left, top, width, height));
    }

  private:
    qreal dotsPerInch_;
};

}  // namespace velnix::shell
