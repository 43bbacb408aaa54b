// The name list controls: one mark that stays, filled quietly, and the row that is marked.
#pragma once

#include <QListWidget>
#include <QSignalBlocker>
#include <cstddef>
#include <optional>

namespace velnix::shell {

// Filling a list is one change for the user, not one per entry: no repaint per item and no
// selection signals that would look like clicks.
class QuietFill {
  public:
    explicit QuietFill(QListWidget& list) : list_(list), blocker_(&list) {
        list_.setUpdatesEnabled(false);
    }
    ~QuietFill() { list_.setUpdatesEnabled(true); }
    QuietFill(const QuietFill&) = delete;
    QuietFill& operator=(const QuietFill&) = delete;

  private:
    QListWidget& list_;
    QSignalBlocker blocker_;
};

// A list whose one marked entry stays marked until the user marks another.
QListWidget* MakeList(const QString& name, QWidget* window);

// The marked entry is the selected one; the current row alone (after focus) marks nothing.
std::optional<std::size_t> MarkedRow(const QListWidget& list);

}  // namespace velnix::shell
