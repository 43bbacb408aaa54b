// The message boxes, titled "Velnix": a message with an OK button, and a question whose safe
// answer is the default and Esc. The window reaches them through its Platform.
#pragma once

#include <QString>
#include <QWidget>

namespace velnix::shell {

void ShowMessage(QWidget* parent, const QString& text);

// True when the user chose `confirm` ("Schreiben"); "Abbrechen" is the default and Esc.
bool AskToConfirm(QWidget* parent, const QString& text, const QString& confirm);

}  // namespace velnix::shell
