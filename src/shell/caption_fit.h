// Shrinks the font of any caption that does not fit its designed control: the controls keep
// their designed sizes, whichever font the system offers.
#pragma once

class QWidget;

namespace velnix::shell {

// Applies to the labels and buttons inside `root`.
void FitCaptions(QWidget* root);

}  // namespace velnix::shell
