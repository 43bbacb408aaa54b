// The message boxes, titled "Velnix": a message with an OK button, and a question whose safe
// answer is the default and Esc. Tests read and answer them through functions instead of
// modal boxes.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace velnix::shell {

void ShowMessage(QWidget* parent, const QString& text);

// True when the user chose `confirm` ("Schreiben"); "Abbrechen" is the default and Esc.
bool AskToConfirm(QWidget* parent, const QString& text, const QString& confirm);

// While set, messages go to the recorder and no box opens; an empty function restores boxes.
void SetMessageRecorderForTests(std::function<void(const QString&)> recorder);
// While set, the function answers each question (given its text) instead of a box.
void SetQuestionAnswerForTests(std::function<bool(const QString&)> answer);

}  // namespace velnix::shell
