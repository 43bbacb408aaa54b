// The main window "frm_rename": wires the name lists, the rule, the output text and the
// output-directory panel together and runs the generate command.
#pragma once

#include <QPointer>
#include <QWidget>

#include "check/list_check.h"
#include "names/name_list.h"
#include "shell/composition.h"
#include "shell/folder_reading.h"

class QPushButton;

namespace velnix::shell {

class CheckPanel;
class ComposeProgress;
class InfoWindow;
class MappingTable;
class OutputDirPanel;
class OutputText;
class PictureButton;
class Platform;
class RuleFrame;
class StatusLine;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(Platform& platform);

    MappingTable& mappingTable() const { return *table_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Form_Load();
    void Form_Resize();
    void cmd_mapkeyNow_Click();
    // In the status line after generate: how many Fehler the check found.
    void showErrorsOfTheCheck();
    void cmd_info_Click();
    void cmd_action_Click();
    void closeUppermostPanel();
    void checkLists();
    CheckOptions checkOptions() const;
    void followOutputFolder(const QString& path);
    void folderChanged();
    void cmd_reihenfolge_Click();
    void cmd_zeichnungen_Click();
    void chk_mitladen_Click();
    Composition compositionOf(NamePairs pairs) const;
    void compose(Composition composition);
    void textComposed(bool shown);
    void composeAgainIfShown();
    void cmd_okfiles_Click();
    void img_quit_Click();
    void hideFolderPanel();
    void openWrittenFile();
    void imgOpen_Click();
    void imgclose_Click();
    void swapHandles(PictureButton* pressed, PictureButton* other);
    // `afterSaved` follows the status text when the file was written.
    void fileout(const QString& afterSaved);
    void offerOutputTextFocusOnlyWhenSeen();
    void setStatus(const QString& text);
    void setOuterSize(int widthTwips, int heightTwips);

    Platform& platform_;
    MappingTable* table_;
    CheckPanel* check_;
    RuleFrame* rule_;
    OutputDirPanel* frame5_;
    PictureButton* imgOpen_;
    PictureButton* imgClose_;
    PictureButton* imgExit_;
    QPushButton* cmdMapkeyNow_;
    QPushButton* cmdOpenmFile_;
    StatusLine* lblStatus_;
    OutputText* txtOut_;
    ComposeProgress* progress_;
    QPointer<InfoWindow> info_;
    // The names that the order repair made up and that the lists still use: the check takes
    // them as made by the run, not as files of the folder.
    NameList intermediates_;
    // The output folder, where Pro/ENGINEER runs rename.pro: the check looks into it.
    FolderReading folder_;
    // What the output text was composed from: the undo file undoes exactly that.
    Composition composed_;
};

}  // namespace velnix::shell
