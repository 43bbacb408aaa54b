// A picture that acts as a button: it shows its picture, its own pointer while the mouse is
// over it, and reports clicks and hovering.
#pragma once

#include <QWidget>

class QSvgRenderer;

namespace velnix::shell {

class PictureButton : public QWidget {
    Q_OBJECT
  public:
    // svgPath names one of the pictures in pictures.h.
    PictureButton(const QString& objectName, const QString& svgPath, QWidget* parent);

    void setPicture(const QString& svgPath);

  signals:
    void clicked();
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QSvgRenderer* picture_;
    bool pressed_ = false;
};

}  // namespace velnix::shell
