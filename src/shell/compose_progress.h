// The progress bar of a long composition of the output text, over the status line.
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

namespace velnix::shell {

class OutputText;

class ComposeProgress : public QProgressBar {
    Q_OBJECT
  public:
    ComposeProgress(const OutputText& text, QWidget* parent);

    // Follows the composition that has just started; shows itself when it takes a while.
    void follow();

  private:
    void update();

    const OutputText& text_;
    QTimer ticks_;
    QElapsedTimer since_;
};

}  // namespace velnix::shell
