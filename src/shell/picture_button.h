// A picture that acts as a button: it shows its picture, its own pointer while the mouse is
// over it, and reports clicks and hovering. The keyboard reaches it with Tab and presses it
// with Space or Enter; a focus frame shows when it has the focus.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace velnix::shell {

class PictureButton : public QWidget {
    Q_OBJECT
  public:
    // picture names one of the pictures in pictures.h.
    PictureButton(const QString& objectName, const QString& picture, QWidget* parent);

    void setPicture(const QString& picture);

  signals:
    void clicked();
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString picture_;
    QPixmap fitted_;  // picture_ fitted to the button's size and screen
    bool pressed_ = false;
};

}  // namespace velnix::shell
