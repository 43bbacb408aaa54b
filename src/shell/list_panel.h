// The list panel "kontextmenue": the buttons of the list commands, shown over the two lists.
#pragma once

#include <QFrame>

class QLineEdit;

namespace velnix::shell {

class ListPanel : public QFrame {
    Q_OBJECT
  public:
    // Its children placed for the parent's screen, the main window; the mapping table places
    // the panel itself.
    explicit ListPanel(QWidget* parent);

    // The designed height, grown below the designed commands for "Tabelle öffnen".
    static constexpr int kHeightTwips = 4020;

    // The text of "Einzelner Eintrag:" (Text1).
    QString entryText() const;

    // Gives the keyboard to the first command, when the panel was opened by the keyboard.
    void focusFirstCommand();

  signals:
    void pasteClicked();
    void deleteMarkedClicked();
    void addClicked();
    void clearClicked();
    void saveClicked();
    void openClicked();
    void tableClicked();
    void closeClicked();

  private:
    QWidget* first_;
    QLineEdit* text1_;
};

}  // namespace velnix::shell
