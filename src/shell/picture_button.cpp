#include "shell/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace velnix::shell {

PictureButton::PictureButton(const QString& objectName, const QIcon& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void PictureButton::setPicture(const QIcon& picture) {
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(&painter, rect(), Qt::AlignCenter);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    emit hovered();
}

}  // namespace velnix::shell
