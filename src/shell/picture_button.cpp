#include "shell/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/pictures.h"

namespace velnix::shell {

PictureButton::PictureButton(const QString& objectName, const QString& picture, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    setCursor(pictures::PointerCursor());
    setMouseTracking(true);
    setPicture(picture);
}

void PictureButton::setPicture(const QString& picture) {
    picture_ = picture;
    fitted_ = QPixmap();
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    // Fitted once per size and screen; a resize clears it.
    if (fitted_.isNull() || fitted_.devicePixelRatio() != ratio) {
        fitted_ = pictures::Fitted(picture_, size(), ratio);
    }
    if (fitted_.isNull()) {
        return;
    }
    const QSizeF shown = fitted_.deviceIndependentSize();
    QPainter painter(this);
    painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       fitted_);
}

void PictureButton::resizeEvent(QResizeEvent*) {
    fitted_ = QPixmap();
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
