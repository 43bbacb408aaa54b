// Keeps two lists scrolled to the same first visible row, so that a pair is seen side by side.
#pragma once

#include <QObject>

class QAbstractItemView;

namespace velnix::shell {

// Scrolling either view scrolls the other, as far as it has rows; marks and the current row
// stay each view's own. Lives as a child of `first`.
void LinkScrolling(QAbstractItemView& first, QAbstractItemView& second);

}  // namespace velnix::shell
