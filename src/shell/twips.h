// Positions and sizes designed in twips (1/1440 inch), converted with the screen's logical DPI.
#pragma once

#include <QWidget>
#include <cmath>

namespace velnix::shell {

class Twips {
  public:
    explicit Twips(const QWidget& widget) : dotsPerInch_(widget.logicalDpiY()) {}

    int px(int twips) const { return static_cast<int>(std::lround(twips * dotsPerInch_ / 1440.0)); }
    int fromPx(int pixels) const {
        return static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch_));
    }
    // Places a child at its designed position and size.
    void place(QWidget* widget, int left, int top, int width, int height) const {
        widget->setGeometry(px(left), px(top), px(width), px(height));
    }

  private:
    qreal dotsPerInch_;
};

}  // namespace velnix::shell
