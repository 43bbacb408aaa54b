// Makes room for any caption that does not fit its designed control: the font keeps the one
// size of the window, the control widens within its frame, a label breaks its line.
#pragma once

class QWidget;

namespace velnix::shell {

// Applies to the labels and buttons inside `root`; again after the controls were placed anew.
void FitCaptions(QWidget* root);

// For a control that makes room for its text itself.
void LeaveCaptionAlone(QWidget& control);

}  // namespace velnix::shell
