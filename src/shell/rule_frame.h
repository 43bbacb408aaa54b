// The rule frame "Regel": expression ("Ausdruck"), replacement ("ersetzen mit") and the
// button "Action" that derives the new names from the old ones.
#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace velnix::shell {

class Twips;

class RuleFrame : public QGroupBox {
    Q_OBJECT
  public:
    explicit RuleFrame(QWidget* parent);

    void place(const Twips& twips);

    QString expression() const;
    QString replacement() const;
    void setExpression(const QString& text);
    void setReplacement(const QString& text);

  signals:
    void actionClicked();

  private:
    QWidget* ausdruckLabel_;
    QLineEdit* txtRename_;
    QWidget* ersetzenLabel_;
    QLineEdit* txtRenameNeu_;
    QPushButton* cmdAction_;
};

}  // namespace velnix::shell
