#include "shell/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

#include "mapkey/pair_check.h"
#include "mapkey/rename_file.h"
#include "names/rule.h"
#include "shell/caption_fit.h"
#include "shell/check_panel.h"
#include "shell/compose_progress.h"
#include "shell/controls.h"
#include "shell/info_window.h"
#include "shell/layout.h"
#include "shell/list_panel.h"
#include "shell/mapping_table.h"
#include "shell/output_dir_panel.h"
#include "shell/output_text.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/platform/os.h"
#include "shell/platform/platform.h"
#include "shell/qt_text.h"
#include "shell/rule_frame.h"
#include "shell/status_line.h"
#include "shell/twips.h"
#include "util/paths.h"

namespace velnix::shell {
namespace {

const QString kExpressionKey = QStringLiteral("txt_rename.Text");
const QString kReplacementKey = QStringLiteral("txt_renameNEU.Text");
const QString kPathKey = QStringLiteral("txt_path.Text");
const QString kLoadFolderKey = QStringLiteral("chk_mitladen.Value");
const QString kUndoFileKey = QStringLiteral("chk_zurueck.Value");

QString CheckValue(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

MainWindow::MainWindow(Platform& platform) : platform_(platform) {
    setObjectName(QStringLiteral("frm_rename"));
    setWindowTitle(QStringLiteral("Velnix"));
    const Twips twips(*this);

    QLabel* label7 =
        MakeLabel(QStringLiteral("Label7"),
                  QStringLiteral("Sichern Sie Ihre Daten bevor Sie Aktionen mit dem Mapkey "
                                 "\"rename\" durchführen !"),
                  this);
    SetBackground(label7, QColor(255, 255, 0));
    SetBold(label7);
    twips.place(label7, 105, 45, 7260, 240);

    QPushButton* cmdInfo = MakeButton(QStringLiteral("cmd_info"), QStringLiteral("Info"), this);
    SetBold(cmdInfo);
    twips.place(cmdInfo, 7455, 45, 1275, 375);
    connect(cmdInfo, &QPushButton::clicked, this, &MainWindow::cmd_info_Click);

    rule_ = new RuleFrame(this);
    rule_->place(twips);
    connect(rule_, &RuleFrame::actionClicked, this, &MainWindow::cmd_action_Click);

    table_ = new MappingTable(this, platform_);
    table_->place(twips, 5715);
    connect(table_, &MappingTable::statusMessage, this, &MainWindow::setStatus);

    // Created after the lists: Tab leads from the lists to the findings and the repair.
    check_ = new CheckPanel(this);
    check_->place(twips, layout::kCheckHeight);
    connect(table_, &MappingTable::namesChanged, this, &MainWindow::checkLists);
    connect(check_, &CheckPanel::pairChosen, table_, &MappingTable::markPair);
    connect(check_, &CheckPanel::repairClicked, this, &MainWindow::cmd_reihenfolge_Click);
    connect(check_, &CheckPanel::takeDrawingsClicked, this, &MainWindow::cmd_zeichnungen_Click);
    connect(check_, &CheckPanel::loadFolderToggled, this, &MainWindow::chk_mitladen_Click);

    frame5_ = new OutputDirPanel(platform_, this);
    frame5_->hide();
    connect(frame5_, &OutputDirPanel::okClicked, this, &MainWindow::cmd_okfiles_Click);
    connect(frame5_, &OutputDirPanel::quitClicked, this, &MainWindow::img_quit_Click);
    connect(frame5_, &OutputDirPanel::statusMessage, this, &MainWindow::setStatus);
    connect(frame5_, &OutputDirPanel::directoryChosen, this, &MainWindow::followOutputFolder);

    imgOpen_ = new PictureButton(QStringLiteral("imgOpen"), pictures::kExpand, this);
    imgClose_ = new PictureButton(QStringLiteral("imgclose"), pictures::kCollapse, this);
    twips.place(imgOpen_, 8925, 3015, 135, 1605);
    twips.place(imgClose_, 8925, 3015, 135, 1605);
    imgClose_->hide();
    connect(imgOpen_, &PictureButton::clicked, this, &MainWindow::imgOpen_Click);
    connect(imgClose_, &PictureButton::clicked, this, &MainWindow::imgclose_Click);
    imgOpen_->setToolTip(QStringLiteral("Fenster verbreitern und den Text von rename.pro zeigen"));
    imgClose_->setToolTip(QStringLiteral("Fenster schmaler machen und den Text ausblenden"));

    imgExit_ = new PictureButton(QStringLiteral("img_EXIT"), pictures::kExit, this);
    twips.place(imgExit_, 7770, 6300, 1110, 1170);
    connect(imgExit_, &PictureButton::clicked, this, &QWidget::close);
    imgExit_->setToolTip(QStringLiteral("Velnix beenden"));

    cmdMapkeyNow_ =
        MakeButton(QStringLiteral("cmd_mapkeyNow"),
                   QStringLiteral("Mapkey rename in Datei rename.pro jetzt erstellen"), this);
    SetBold(cmdMapkeyNow_);
    twips.place(cmdMapkeyNow_, 210, 6525, 5355, 630);
    connect(cmdMapkeyNow_, &QPushButton::clicked, this, &MainWindow::cmd_mapkeyNow_Click);

    cmdOpenmFile_ =
        MakeButton(QStringLiteral("cmd_openmFile"), QStringLiteral("Mapkey-Datei öffnen"), this);
    twips.place(cmdOpenmFile_, 5670, 6525, 1485, 600);
    cmdOpenmFile_->hide();
    connect(cmdOpenmFile_, &QPushButton::clicked, this, &MainWindow::openWrittenFile);

    lblStatus_ = new StatusLine(this);
    twips.place(lblStatus_, 210, 7245, 8730, layout::kStatusLineHeight);

    txtOut_ = new OutputText(this);
    twips.place(txtOut_, 9135, 180, 7320, 7350);
    connect(txtOut_, &OutputText::doubleClicked, this, &MainWindow::openWrittenFile);
    connect(txtOut_, &OutputText::composed, this, &MainWindow::textComposed);

    progress_ = new ComposeProgress(*txtOut_, this);

    // The panels lie over the lists and the generated text waits under the output panel.
    table_->panel()->raise();
    frame5_->raise();

    // Esc closes the uppermost panel, as its close picture does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &MainWindow::closeUppermostPanel);

    FitCaptions(this);
    Form_Load();
    followOutputFolder(frame5_->pathText());
    checkLists();
    // The user starts by filling the old names.
    table_->list(ListId::Old)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeUppermostPanel() {
    if (frame5_->isVisible()) {
        img_quit_Click();
    } else if (table_->panel()->isVisible()) {
        table_->closePanel();
    }
}

void MainWindow::Form_Load() {
    // Never so small that the lists, the rule, the check or generate are cut off; one pixel
    // more for the check absorbs the rounding between pixels and twips.
    const Twips twips(*this);
    const int checkNeeds = twips.fromPx(check_->minimumSizeHint().height() + 1);
    setMinimumSize(twips.px(layout::kCollapsedWidth - layout::kNonClientWidth),
                   twips.px(layout::MinimumHeightFor(checkNeeds) - layout::kNonClientHeight));
    setOuterSize(layout::kCollapsedWidth, layout::kStartHeight);
    rule_->setExpression(platform_.readSetting(kExpressionKey, QStringLiteral("OldName123")));
    rule_->setReplacement(platform_.readSetting(kReplacementKey, QStringLiteral("NewName123")));
    frame5_->setPathText(platform_.readSetting(kPathKey, os::DefaultOutputDirectory()));
    check_->setLoadFolder(platform_.readSetting(kLoadFolderKey, CheckValue(false)) ==
                          CheckValue(true));
    frame5_->setWriteUndoFile(platform_.readSetting(kUndoFileKey, CheckValue(true)) ==
                              CheckValue(true));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    platform_.writeSetting(kExpressionKey, rule_->expression());
    platform_.writeSetting(kReplacementKey, rule_->replacement());
    platform_.writeSetting(kPathKey, frame5_->pathText());
    platform_.writeSetting(kLoadFolderKey, CheckValue(check_->loadFolder()));
    platform_.writeSetting(kUndoFileKey, CheckValue(frame5_->writeUndoFile()));
    // Every other window of the program closes with the main window.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
}

void MainWindow::setOuterSize(int widthTwips, int heightTwips) {
    const Twips twips(*this);
    resize(twips.px(widthTwips - layout::kNonClientWidth),
           twips.px(heightTwips - layout::kNonClientHeight));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
    offerOutputTextFocusOnlyWhenSeen();
}

void MainWindow::Form_Resize() {
    if (isMinimized()) {
        return;
    }
    const Twips twips(*this);
    const layout::HeightLayout l =
        layout::LayoutForHeight(twips.fromPx(height()) + layout::kNonClientHeight,
                                twips.fromPx(lblStatus_->heightForWidth(lblStatus_->width())));
    txtOut_->resize(txtOut_->width(), twips.px(l.outputHeight));
    imgExit_->move(imgExit_->x(), twips.px(l.exitTop));
    cmdMapkeyNow_->move(cmdMapkeyNow_->x(), twips.px(l.generateTop));
    cmdOpenmFile_->move(cmdOpenmFile_->x(), cmdMapkeyNow_->y());
    table_->place(twips, l.listHeight);
    // Below the rule frame and above the exit picture, which rises with a long message; hidden
    // rather than cut, as its controls need their height.
    check_->place(twips, l.checkHeight);
    check_->setVisible(twips.px(l.checkHeight) >= check_->minimumSizeHint().height());
    lblStatus_->setGeometry(lblStatus_->x(), twips.px(l.statusTop), lblStatus_->width(),
                            twips.px(l.statusHeight));
    progress_->setGeometry(lblStatus_->geometry());
    // Placed anew in their designed sizes, the captions need their room again.
    FitCaptions(this);
}

void MainWindow::offerOutputTextFocusOnlyWhenSeen() {
    // Collapsed, the output text lies beyond the window's edge: Tab must not lead there.
    const bool seen = rect().intersects(txtOut_->geometry());
    txtOut_->setFocusPolicy(seen ? Qt::WheelFocus : Qt::NoFocus);
    if (!seen && txtOut_->hasFocus()) {
        focusNextChild();
    }
}

void MainWindow::imgOpen_Click() {
    setOuterSize(layout::kExpandedWidth, Twips(*this).fromPx(height()) + layout::kNonClientHeight);
    swapHandles(imgOpen_, imgClose_);
}

void MainWindow::imgclose_Click() {
    setOuterSize(layout::kCollapsedWidth, Twips(*this).fromPx(height()) + layout::kNonClientHeight);
    swapHandles(imgClose_, imgOpen_);
}

void MainWindow::swapHandles(PictureButton* pressed, PictureButton* other) {
    other->show();
    // The keyboard stays on the handle, so that the next Space switches back.
    if (pressed->hasFocus()) {
        other->setFocus(Qt::TabFocusReason);
    }
    pressed->hide();
}

void MainWindow::cmd_action_Click() {
    const NameList oldNames = table_->names(ListId::Old);
    const std::u16string expression = ToU16(rule_->expression());
    // New names that only copy the old ones would be written as renames to themselves.
    if (!RuleMatchesAny(oldNames, expression)) {
        setStatus(
            QStringLiteral("Der Ausdruck kommt in keinem alten Namen vor – die neuen Namen "
                           "bleiben, wie sie sind."));
        return;
    }
    table_->setNames(ListId::New, ApplyRule(oldNames, expression, ToU16(rule_->replacement())));
    setStatus(QString());
}

void MainWindow::cmd_mapkeyNow_Click() {
    platform_.writeSetting(kExpressionKey, rule_->expression());
    const auto [oldNames, newNames] = table_->pairsToRename();
    // Filling a list of thousands of names anew, and checking it again, costs a moment that
    // the list's own clean names do not need.
    if (oldNames != table_->names(ListId::Old)) {
        table_->setNames(ListId::Old, oldNames);
    }
    cmdOpenmFile_->hide();

    if (const auto problem = CheckPairs(oldNames, newNames)) {
        if (problem->showInWindow) {
            platform_.showMessage(this, ToQString(problem->message));
        }
        txtOut_->clearContent();
        frame5_->setOkEnabled(true);
        setStatus(QStringLiteral("rename.pro wurde nicht geschrieben: ") +
                  (problem->showInWindow
                       ? ToQString(problem->message).remove(QStringLiteral("Achtung : "))
                       : QStringLiteral("Die Liste der neuen Namen ist leer.")));
        return;
    }
    // The check and the composition look into the folder that OK writes into.
    frame5_->show();
    frame5_->bringFieldAndListIntoLine();
    frame5_->focusPathField();
    followOutputFolder(frame5_->pathText());
    compose(compositionOf({oldNames, newNames}));
    // The check follows the lists, so it has seen the clean-up above.
    showErrorsOfTheCheck();
    cmdOpenmFile_->show();
}

void MainWindow::showErrorsOfTheCheck() {
    // An earlier warning must not outlive the lists and the folder it was about.
    const std::size_t errors = check_->counts().errors;
    setStatus(errors == 0 ? QString()
                          : QStringLiteral("Achtung : Die Liste hat %1 Fehler – siehe Prüfung")
                                .arg(static_cast<qulonglong>(errors)));
}

void MainWindow::cmd_info_Click() {
    if (info_ != nullptr) {
        info_->raise();
        info_->activateWindow();
        return;
    }
    info_ = new InfoWindow(platform_, this);
    info_->openBeside(*this);
}

void MainWindow::cmd_okfiles_Click() {
    // A list with Fehler would rename half way: the user decides once, knowing it.
    const std::size_t errors = check_->counts().errors;
    const QString errorText =
        QStringLiteral("Die Liste hat %1 Fehler").arg(static_cast<qulonglong>(errors));
    if (errors > 0 &&
        !platform_.askToConfirm(this,
                                errorText + QStringLiteral(" (siehe Prüfung). rename.pro trotzdem "
                                                           "schreiben?"),
                                QStringLiteral("Schreiben"))) {
        setStatus(QStringLiteral("rename.pro wurde nicht geschrieben: ") + errorText +
                  QStringLiteral(" (siehe Prüfung)."));
        return;
    }
    hideFolderPanel();
    frame5_->setPathText(frame5_->listedDirectory());
    table_->panel()->hide();
    fileout(errors == 0 ? QString()
                        : QStringLiteral(" – ") + errorText + QStringLiteral(" (siehe Prüfung)"));
}

void MainWindow::fileout(const QString& afterSaved) {
    const Status written = WriteRenameFiles(ToFsPath(ToU16(frame5_->pathText())), txtOut_->utf8(),
                                            composed_, frame5_->writeUndoFile());
    setStatus(ToQString(written.message) + (written.ok ? afterSaved : QString()));
}

void MainWindow::hideFolderPanel() {
    // The keyboard goes back to the command that opened the panel, not on to whatever follows.
    if (frame5_->isAncestorOf(QApplication::focusWidget())) {
        cmdMapkeyNow_->setFocus(Qt::OtherFocusReason);
    }
    frame5_->hide();
}

void MainWindow::img_quit_Click() {
    hideFolderPanel();
    txtOut_->clearContent();
    setStatus(
        QStringLiteral("rename.pro wurde nicht geschrieben: Die Dateiliste wurde ohne OK "
                       "geschlossen."));
}

void MainWindow::openWrittenFile() {
    const std::u16string file = RenameProPath(ToU16(frame5_->listedDirectory()));
    if (FileExists(file)) {
        platform_.openWithShell(this, ToQString(file));
    }
}

void MainWindow::setStatus(const QString& text) {
    lblStatus_->showMessage(text);
    // The status line takes the height the message needs.
    Form_Resize();
}

}  // namespace velnix::shell
