// The one kind of message box: titled "Velnix", an OK button only. Tests read the text
// through a recorder instead of answering a modal box.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace velnix::shell {

void ShowMessage(QWidget* parent, const QString& text);

// While set, messages go to the recorder and no box opens; an empty function restores boxes.
void SetMessageRecorderForTests(std::function<void(const QString&)> recorder);

}  // namespace velnix::shell
