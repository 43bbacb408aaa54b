// A picture that acts as a button: it shows its picture, its own pointer while the mouse is
// over it, and reports clicks and hovering.
#pragma once

#include <QIcon>
#include <QWidget>

namespace velnix::shell {

class PictureButton : public QWidget {
    Q_OBJECT
  public:
    PictureButton(const QString& objectName, const QIcon& picture, QWidget* parent);

    void setPicture(const QIcon& picture);

  signals:
    void clicked();
    void hovered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QIcon picture_;
    bool pressed_ = false;
};

}  // namespace velnix::shell
