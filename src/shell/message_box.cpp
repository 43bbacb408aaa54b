#include "shell/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace velnix::shell {
namespace {

std::function<void(const QString&)>& Recorder() {
    static std::function<void(const QString&)> recorder;
    return recorder;
}

std::function<bool(const QString&)>& Answer() {
    static std::function<bool(const QString&)> answer;
    return answer;
}

}  // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    if (Recorder()) {
        Recorder()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velnix"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool AskToConfirm(QWidget* parent, const QString& text, const QString& confirm) {
    if (Answer()) {
        return Answer()(text);
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velnix"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(confirm, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void SetQuestionAnswerForTests(std::function<bool(const QString&)> answer) {
    Answer() = std::move(answer);
}

void SetMessageRecorderForTests(std::function<void(const QString&)> recorder) {
    Recorder() = std::move(recorder);
}

}  // namespace velnix::shell
