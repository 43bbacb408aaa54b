#include "shell/picture_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "shell/pictures.h"

namespace velnix::shell {

PictureButton::PictureButton(const QString& objectName, const QString& picture, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    setCursor(pictures::PointerCursor());
    setMouseTracking(true);
    // Tab reaches it; a click does not take the focus, as with the pictures of other programs.
    setFocusPolicy(Qt::TabFocus);
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
    QPainter painter(this);
    if (!fitted_.isNull()) {
        const QSizeF shown = fitted_.deviceIndependentSize();
        painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                           fitted_);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
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

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A held key presses once.
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    emit hovered();
}

}  // namespace velnix::shell
