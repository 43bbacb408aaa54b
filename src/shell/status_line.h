// The status line "lbl_status": the newest message, whole. A message wider than the line
// wraps over as many lines as it needs, a long path breaking where it must, and is also the
// line's tool tip.
#pragma once

#include <QLabel>
#include <QStringList>

namespace velnix::shell {

// The text in lines no wider than the width: broken between words where it can, inside a
// word (a long path) where it must. QLabel's own word wrap would cut such a word off.
QStringList WrapLines(const QString& text, const QFont& font, int width);

class StatusLine : public QLabel {
    Q_OBJECT
  public:
    explicit StatusLine(QWidget* parent);

    void showMessage(const QString& text);

    // The height that shows the whole message at this width.
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velnix::shell
