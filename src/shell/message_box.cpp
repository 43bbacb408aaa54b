#include "shell/message_box.h"

#include <QMessageBox>

namespace velnix::shell {
namespace {

std::function<void(const QString&)>& Recorder() {
    static std::function<void(const QString&)> recorder;
    return recorder;
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

void SetMessageRecorderForTests(std::function<void(const QString&)> recorder) {
    Recorder() = std::move(recorder);
}

}  // namespace velnix::shell
