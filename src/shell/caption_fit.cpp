#include "shell/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace velnix::shell {
namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kStep = 0.5;

bool Fits(const QWidget& widget) {
    const QFontMetrics metrics(widget.font());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) {
            return true;
        }
        if (label->wordWrap()) {
            return label->heightForWidth(label->width()) <= label->height();
        }
        return metrics.horizontalAdvance(label->text()) + 2 * label->margin() <= label->width() &&
               metrics.height() <= label->height();
    }
    if (qobject_cast<const QRadioButton*>(&widget) != nullptr ||
        qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        return widget.sizeHint().width() <= widget.width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        // Room for the frame of the button on both sides.
        return metrics.horizontalAdvance(button->text()) + 8 <= button->width() &&
               metrics.height() + 2 <= button->height();
    }
    return true;
}

void Fit(QWidget& widget) {
    QFont font = widget.font();
    while (!Fits(widget) && font.pointSizeF() - kStep >= kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        widget.setFont(font);
    }
}

}  // namespace

void FitCaptions(QWidget* root) {
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) != nullptr ||
            qobject_cast<QAbstractButton*>(widget) != nullptr) {
            Fit(*widget);
        }
    }
}

}  // namespace velnix::shell
