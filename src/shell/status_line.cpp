#include "shell/status_line.h"

#include "shell/caption_fit.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace velnix::shell {

QStringList WrapLines(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lbl_status"));
    setText(QStringLiteral("Status"));
    // It breaks its lines itself, and the window gives it the height its message needs.
    LeaveCaptionAlone(*this);
}

void StatusLine::showMessage(const QString& text) {
    setText(text);
    setToolTip(text);
}

int StatusLine::heightForWidth(int width) const {
    return static_cast<int>(WrapLines(text(), font(), width).size()) * fontMetrics().height();
}

void StatusLine::paintEvent(QPaintEvent*) {
    const QStringList lines = WrapLines(text(), font(), width());
    const int lineHeight = fontMetrics().height();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    // Centred in the line's height, as a label shows one line.
    int top = std::max(0, (height() - static_cast<int>(lines.size()) * lineHeight) / 2);
    for (const QString& line : lines) {
        painter.drawText(QPoint(0, top + fontMetrics().ascent()), line);
        top += lineHeight;
    }
}

}  // namespace velnix::shell
