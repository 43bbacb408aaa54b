#include "shell/rule_frame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/controls.h"
#include "shell/twips.h"

namespace velnix::shell {

RuleFrame::RuleFrame(QWidget* parent) : QGroupBox(QStringLiteral("Regel"), parent) {
    setObjectName(QStringLiteral("Frame1"));
    // The caption sits on the frame's line, as on the other panels of the window.
    setStyleSheet(QStringLiteral(
        "QGroupBox#Frame1 { border: 1px solid palette(mid); margin-top: 7px; }"
        "QGroupBox#Frame1::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    ausdruckLabel_ = MakeLabel(QStringLiteral("Label1_2"), QStringLiteral("Ausdruck"), this);
    txtRename_ = MakeLineEdit(QStringLiteral("txt_rename"), this);
    ersetzenLabel_ = MakeLabel(QStringLiteral("Label1_3"), QStringLiteral("ersetzen mit"), this);
    txtRenameNeu_ = MakeLineEdit(QStringLiteral("txt_renameNEU"), this);
    cmdAction_ = MakeButton(QStringLiteral("cmd_action"), QStringLiteral("Action"), this);
    connect(cmdAction_, &QPushButton::clicked, this, &RuleFrame::actionClicked);
    // The replacement is the last thing typed before Action.
    connect(txtRenameNeu_, &QLineEdit::returnPressed, this, &RuleFrame::actionClicked);
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
