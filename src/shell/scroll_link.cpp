#include "shell/scroll_link.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace velnix::shell {
namespace {

// Both views have rows of one height (the same font, uniform items), so one scroll value
// means the same first row in both, whether the style scrolls per row or per pixel.
class ScrollLink : public QObject {
  public:
    ScrollLink(QAbstractItemView& first, QAbstractItemView& second) : QObject(&first) {
        follow(*first.verticalScrollBar(), *second.verticalScrollBar());
        follow(*second.verticalScrollBar(), *first.verticalScrollBar());
    }

  private:
    void follow(QScrollBar& leader, QScrollBar& follower) {
        connect(&leader, &QScrollBar::valueChanged, this,
                [this, &follower](int value) { move(follower, value); });
        // A list that grows or shrinks takes up the other's row again, once it has it.
        connect(&follower, &QScrollBar::rangeChanged, this,
                [this, &leader, &follower] { move(follower, leader.value()); });
    }

    // A follower shorter than the leader stops at its end; it must not pull the leader back.
    void move(QScrollBar& follower, int value) {
        if (moving_) {
            return;
        }
        moving_ = true;
        follower.setValue(value);
        moving_ = false;
    }

    bool moving_ = false;
};

}  // namespace

void LinkScrolling(QAbstractItemView& first, QAbstractItemView& second) {
    new ScrollLink(first, second);
}

}  // namespace velnix::shell
