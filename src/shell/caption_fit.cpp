#include "shell/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace velnix::shell {
namespace {

constexpr char kLeftAlone[] = "velnixCaptionLeftAlone";

// The width that the caption needs on one line; 0 for a control without a caption to fit.
int NeededWidth(const QWidget& widget) {
    if (qobject_cast<const QLabel*>(&widget) != nullptr ||
        qobject_cast<const QRadioButton*>(&widget) != nullptr ||
        qobject_cast<const QCheckBox*>(&widget) != nullptr) {
        return widget.sizeHint().width();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        // Room for the frame of the button on both sides.
        return button->text().isEmpty()
                   ? 0
                   : QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8;
    }
    return 0;
}

// The space between a widened control and its neighbour.
constexpr int kGap = 2;

// The other controls shown in the control's frame: what a widened control must not cover.
QList<const QWidget*> Neighbours(const QWidget& widget, const QWidget& frame) {
    QList<const QWidget*> neighbours;
    for (const QObject* child : frame.children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling != nullptr && sibling != &widget && !sibling->isHidden()) {
            neighbours << sibling;
        }
    }
    return neighbours;
}

// A rectangle mirrored at the diagonal: reaching down becomes reaching to the right.
QRect Mirrored(const QRect& rect) {
    return {rect.y(), rect.x(), rect.height(), rect.width()};
}

// How far the control may reach to the right (or down, `Qt::Vertical`): its frame's edge or
// the next control in the way.
int Limit(const QWidget& widget, const QWidget& frame, Qt::Orientation direction) {
    const auto oriented = [direction](const QRect& rect) {
        return direction == Qt::Horizontal ? rect : Mirrored(rect);
    };
    const QRect place = oriented(widget.geometry());
    int limit = oriented(frame.contentsRect()).right() + 1;
    for (const QWidget* other : Neighbours(widget, frame)) {
        const QRect beside = oriented(other->geometry());
        if (beside.left() > place.left() && beside.top() <= place.bottom() &&
            place.top() <= beside.bottom()) {
            limit = std::min(limit, beside.left() - kGap);
        }
    }
    return limit;
}

// A label that still does not fit breaks its line and takes the height that needs, moving up
// towards its frame's top when the control below leaves too little.
void BreakLine(QLabel& label, const QWidget& frame) {
    label.setWordWrap(true);
    const int height = std::max(label.height(), label.heightForWidth(label.width()));
    const int top = std::max(frame.contentsRect().top(),
                             std::min(label.y(), Limit(label, frame, Qt::Vertical) - height));
    label.setGeometry(label.x(), top, label.width(), height);
}

// An option whose frame lays it out and leaves no more width: its caption breaks between
// words again, each line as full as the width allows; the frame gives it the height.
void BreakCaption(QAbstractButton& option) {
    const QFontMetrics metrics(option.font());
    const auto widthOf = [&metrics](const QString& text) {
        return metrics.size(Qt::TextShowMnemonic, text).width();
    };
    // The room beside the indicator.
    const int textWidth = option.width() - (option.sizeHint().width() - widthOf(option.text()));
    QStringList lines;
    for (const QString& word :
         option.text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && widthOf(lines.last() + ' ' + word) <= textWidth) {
            lines.last() += ' ' + word;
        } else {
            lines << word;
        }
    }
    option.setText(lines.join('\n'));
}

bool LabelFits(const QLabel& label) {
    return label.wordWrap() ? label.heightForWidth(label.width()) <= label.height()
                            : label.sizeHint().width() <= label.width();
}

void Fit(QWidget& widget) {
    const QWidget* frame = widget.parentWidget();
    if (frame == nullptr || widget.property(kLeftAlone).toBool()) {
        return;
    }
    auto* label = qobject_cast<QLabel*>(&widget);
    if (label != nullptr &&
        (label->text().isEmpty() || !label->pixmap().isNull() || LabelFits(*label))) {
        return;
    }
    const int needed = label != nullptr && label->wordWrap() ? frame->width() : NeededWidth(widget);
    if (needed <= widget.width()) {
        return;
    }
    const int room = Limit(widget, *frame, Qt::Horizontal) - widget.x();
    widget.resize(std::max(widget.width(), std::min(needed, room)), widget.height());
    if (label != nullptr && !LabelFits(*label)) {
        BreakLine(*label, *frame);
    } else if (auto* option = qobject_cast<QAbstractButton*>(&widget);
               option != nullptr && qobject_cast<QPushButton*>(option) == nullptr &&
               NeededWidth(widget) > widget.width()) {
        BreakCaption(*option);
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

void LeaveCaptionAlone(QWidget& control) {
    control.setProperty(kLeftAlone, true);
}

}  // namespace velnix::shell
