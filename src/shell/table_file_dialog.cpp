#include "shell/table_file_dialog.h"

#include <QFileDialog>

namespace velnix::shell {
namespace {

std::function<QString()>& Answer() {
    static std::function<QString()> answer;
    return answer;
}

}  // namespace

QString AskForTableFile(QWidget* parent) {
    if (Answer()) {
        return Answer()();
    }
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Tabelle öffnen"), QString(),
                                        QStringLiteral("Tabellen (*.csv *.tsv *.txt)"));
}

void SetTableFileAnswerForTests(std::function<QString()> answer) {
    Answer() = std::move(answer);
}

}  // namespace velnix::shell
