#include "shell/picture_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "shell/pictures.h"

namespace velnix::shell {

PictureButton::PictureButton(const QString& objectName, const QString& svgPath, QWidget* parent)
    : QWidget(parent), picture_(new QSvgRenderer(this)) {
    setObjectName(objectName);
    // The pointer first: asking for it also registers the pictures the button is about to load.
    setCursor(pictures::PointerCursor());
    setMouseTracking(true);
    setPicture(svgPath);
}

void PictureButton::setPicture(const QString& svgPath) {
    picture_->load(svgPath);
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    if (!picture_->isValid()) {
        return;
    }
    // Drawn as vectors on every paint, so the picture stays sharp at any scale.
    const QSizeF size =
        picture_->viewBoxF().size().scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2),
                        size);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    picture_->render(&painter, target);
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
