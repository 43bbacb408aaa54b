#include "shell/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace velnix::shell {

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velnix"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool AskToConfirm(QWidget* parent, const QString& text, const QString& confirm) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Velnix"), text, QMessageBox::NoButton,
                    parent);
    QPushButton* yes = box.addButton(confirm, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace velnix::shell
