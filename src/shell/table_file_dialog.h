// The file dialog that picks a table to open. Tests answer it through a function instead of
// a modal dialog.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velnix::shell {

// The chosen file, or an empty string when the user cancelled.
QString AskForTableFile(QWidget* parent);

// While set, the function answers instead of the dialog; an empty function restores it.
void SetTableFileAnswerForTests(std::function<QString()> answer);

}  // namespace velnix::shell
