// The list panel "kontextmenue": the buttons of the list commands, shown over the two lists.
#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace velnix::shell {

class PictureButton;

class ListPanel : public QFrame {
    Q_OBJECT
  public:
    // Placed at its designed position in the parent, which is the main window.
    explicit ListPanel(QWidget* parent);

    // The text of "Einzelner Eintrag:" (Text1).
    QString entryText() const;

  signals:
    void pasteClicked();
    void deleteMarkedClicked();
    void addClicked();
    void clearClicked();
    void saveClicked();
    void openClicked();
    void closeClicked();

  private:
    QPushButton* paste_;
    QPushButton* delete_;
    QFrame* line1_;
    QWidget* label5_;
    QLineEdit* text1_;
    QPushButton* add_;
    QFrame* line2_;
    QPushButton* clear_;
    PictureButton* save_;
    QPushButton* open_;
    PictureButton* close_;
};

}  // namespace velnix::shell
