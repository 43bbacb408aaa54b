// The output-directory panel "Frame5" ("Dateiliste"): drive list, directory list and the
// directory field txt_path kept in step, the choice of the undo file, the OK button and the
// close picture.
#pragma once

#include <QFrame>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velnix::shell {

class DirectoryList;
class PictureButton;
class Platform;

class OutputDirPanel : public QFrame {
    Q_OBJECT
  public:
    OutputDirPanel(Platform& platform, QWidget* parent);

    // The text of txt_path; setting it runs the field's change rule.
    QString pathText() const;
    void setPathText(const QString& text);

    // The directory shown in the directory list.
    QString listedDirectory() const;

    // When the panel opens: the list moves to the field's directory if it exists, otherwise
    // the field takes the list's directory.
    void bringFieldAndListIntoLine();

    QComboBox* driveList() const { return drive1_; }

    // When the panel opens: the keyboard starts in the folder field.
    void focusPathField();

    // OK waits for the output text: it cannot be pressed while the text is composed.
    void setOkEnabled(bool enabled);

    // "Rückgängig-Datei mitschreiben"
    bool writeUndoFile() const;
    void setWriteUndoFile(bool on);

  signals:
    void okClicked();
    void quitClicked();
    void statusMessage(const QString& text);
    // The directory list moved to another directory, by the user or by the field.
    void directoryChosen(const QString& path);

  private:
    void Drive1_Change(int index);
    void Dir1_Change();
    void txt_path_Change();
    void selectDriveOf(const QString& path);

    Platform& platform_;
    QLineEdit* txtPath_;
    QComboBox* drive1_;
    DirectoryList* dir1_;
    QCheckBox* undoFile_;
    QPushButton* okFiles_;
    QHash<QString, QString> lastDirectory_;  // per drive root, the directory last shown
};

}  // namespace velnix::shell
