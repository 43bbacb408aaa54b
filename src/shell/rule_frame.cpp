#include "shell/rule_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/twips.h"

namespace velnix::shell {

RuleFrame::RuleFrame(QWidget* parent) : QGroupBox(QStringLiteral("Regel"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    // The caption sits on the frame's line, as on the other panels of the window.
    setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { border: 1px solid palette(mid); margin-top: 7px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    auto* ausdruck = new QLabel(QStringLiteral("Ausdruck"), this);
    ausdruck->setObjectName(QStringLiteral("Label1_2"));
    ausdruckLabel_ = ausdruck;
    txtRename_ = new QLineEdit(this);
    txtRename_->setObjectName(QStringLiteral("txt_rename"));
    auto* ersetzen = new QLabel(QStringLiteral("ersetzen mit"), this);
    ersetzen->setObjectName(QStringLiteral("Label1_3"));
    ersetzenLabel_ = ersetzen;
    txtRenameNeu_ = new QLineEdit(this);
    txtRenameNeu_->setObjectName(QStringLiteral("txt_renameNEU"));
    cmdAction_ = new QPushButton(QStringLiteral("Action"), this);
    cmdAction_->setObjectName(QStringLiteral("cmd_action"));
    connect(cmdAction_, &QPushButton::clicked, this, &RuleFrame::actionClicked);
}

void RuleFrame::place(const Twips& twips) {
    twips.place(this, 5880, 630, 2955, 1950);
    twips.place(ausdruckLabel_, 105, 270, 1275, 285);
    twips.place(txtRename_, 105, 495, 2535, 285);
    twips.place(ersetzenLabel_, 105, 945, 1275, 285);
    twips.place(txtRenameNeu_, 105, 1170, 2535, 285);
    twips.place(cmdAction_, 420, 1530, 1800, 330);
}

QString RuleFrame::expression() const {
    return txtRename_->text();
}
QString RuleFrame::replacement() const {
    return txtRenameNeu_->text();
}
void RuleFrame::setExpression(const QString& text) {
    txtRename_->setText(text);
}
void RuleFrame::setReplacement(const QString& text) {
    txtRenameNeu_->setText(text);
}

}  // namespace velnix::shell
