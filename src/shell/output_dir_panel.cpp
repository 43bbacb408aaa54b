#include "shell/output_dir_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "shell/controls.h"
#include "shell/directory_list.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/platform/os.h"
#include "shell/platform/platform.h"
#include "shell/qt_text.h"
#include "shell/twips.h"
#include "util/paths.h"

namespace velnix::shell {

namespace {

bool Exists(const QString& directory) {
    return DirExists(ToU16(directory));
}

// True when the path lies on the drive with this root ("C:\" holds "C:\temp" and "C:").
bool OnDrive(const QString& path, const QString& root) {
    const Qt::CaseSensitivity pathCase = os::PathCase();
    QString bare = root;
    while (bare.endsWith(QLatin1Char('/')) || bare.endsWith(QLatin1Char('\\'))) {
        bare.chop(1);
    }
    if (path.compare(bare, pathCase) == 0 || path.compare(root, pathCase) == 0) {
        return true;
    }
    if (!path.startsWith(bare, pathCase) || path.size() <= bare.size()) {
        return false;
    }
    const QChar next = path.at(bare.size());
    return next == QLatin1Char('/') || next == QLatin1Char('\\');
}

QLabel* MakeColouredLabel(const QString& name, const QString& text, const QColor& colour,
                          QWidget* parent) {
    QLabel* label = MakeLabel(name, text, parent);
    SetTextColour(label, colour);
    return label;
}

}  // namespace

OutputDirPanel::OutputDirPanel(Platform& platform, QWidget* parent)
    : QFrame(parent), platform_(platform) {
    setObjectName(QStringLiteral("Frame5"));
    setFrameShape(QFrame::Box);
    SetBackground(this, QColor(0, 0, 128));

    auto* caption = MakeColouredLabel(QStringLiteral("Frame5_caption"),
                                      QStringLiteral("Dateiliste"), Qt::white, this);
    txtPath_ = MakeLineEdit(QStringLiteral("txt_path"), this);
    drive1_ = new QComboBox(this);
    drive1_->setObjectName(QStringLiteral("Drive1"));
    for (const Drive& drive : platform_.drives()) {
        drive1_->addItem(drive.label, drive.root);
    }
    dir1_ = new DirectoryList(this);
    QLabel* label8 = MakeColouredLabel(
        QStringLiteral("Label8"),
        QStringLiteral("Bitte wählen Sie nun bitte das Ausgabeverzeichnis für Datei rename.pro"),
        Qt::yellow, this);
    label8->setWordWrap(true);
    // Before OK in the Tab order: the choice comes before the command.
    undoFile_ = new QCheckBox(QStringLiteral("&Rückgängig-Datei mitschreiben"), this);
    undoFile_->setObjectName(QStringLiteral("chk_zurueck"));
    undoFile_->setChecked(true);
    SetTextColour(undoFile_, Qt::white);
    okFiles_ = MakeButton(QStringLiteral("cmd_okfiles"), QStringLiteral("OK"), this);
    SetBold(okFiles_);
    auto* quit = new PictureButton(QStringLiteral("img_quit"), pictures::kExit, this);
    quit->setToolTip(QStringLiteral("Dateiliste schließen, ohne rename.pro zu schreiben"));
    // From the field Tab reaches OK within three steps; the drive, seldom changed, comes last.
    setTabOrder(quit, drive1_);

    const Twips twips(*parent);
    // Left of the Prüfung area, whose findings the user reads while choosing the folder, and
    // grown below the designed panel for the undo file's check box.
    twips.place(this, 105, 1000, 5760, 3315);
    twips.place(caption, 120, 0, 2655, 240);
    twips.place(txtPath_, 120, 240, 5535, 285);
    twips.place(drive1_, 120, 600, 2655, 315);
    twips.place(dir1_, 120, 960, 2655, 1890);
    twips.place(label8, 3360, 900, 1815, 750);
    twips.place(okFiles_, 3390, 2205, 1785, 645);
    twips.place(quit, 5250, 2340, 480, 480);
    twips.place(undoFile_, 120, 2940, 5535, 285);

    connect(drive1_, &QComboBox::currentIndexChanged, this, &OutputDirPanel::Drive1_Change);
    connect(dir1_, &DirectoryList::pathChanged, this, &OutputDirPanel::Dir1_Change);
    connect(txtPath_, &QLineEdit::textChanged, this, &OutputDirPanel::txt_path_Change);
    connect(okFiles_, &QPushButton::clicked, this, &OutputDirPanel::okClicked);
    connect(quit, &PictureButton::clicked, this, &OutputDirPanel::quitClicked);
    Dir1_Change();
}

QString OutputDirPanel::pathText() const {
    return txtPath_->text();
}

void OutputDirPanel::setPathText(const QString& text) {
    txtPath_->setText(text);
}

QString OutputDirPanel::listedDirectory() const {
    return dir1_->path();
}

void OutputDirPanel::focusPathField() {
    txtPath_->setFocus(Qt::OtherFocusReason);
    txtPath_->selectAll();
}

void OutputDirPanel::setOkEnabled(bool enabled) {
    okFiles_->setEnabled(enabled);
}

bool OutputDirPanel::writeUndoFile() const {
    return undoFile_->isChecked();
}

void OutputDirPanel::setWriteUndoFile(bool on) {
    undoFile_->setChecked(on);
}

void OutputDirPanel::bringFieldAndListIntoLine() {
    if (Exists(txtPath_->text())) {
        dir1_->setPath(txtPath_->text());
    } else {
        setPathText(dir1_->path());
    }
}

void OutputDirPanel::Drive1_Change(int index) {
    const QString root = drive1_->itemData(index).toString();
    if (!Exists(root)) {
        selectDriveOf(dir1_->path());
        emit statusMessage(QStringLiteral("Laufwerk nicht verfügbar !"));
        return;
    }
    const QString last = lastDirectory_.value(root);
    dir1_->setPath(!last.isEmpty() && Exists(last) ? last : root);
}

void OutputDirPanel::Dir1_Change() {
    const QString path = dir1_->path();
    if (txtPath_->text() != path) {
        txtPath_->setText(path);
    }
    selectDriveOf(path);
    const int drive = drive1_->currentIndex();
    if (drive >= 0 && OnDrive(path, drive1_->itemData(drive).toString())) {
        lastDirectory_.insert(drive1_->itemData(drive).toString(), path);
    }
    emit directoryChosen(path);
}

void OutputDirPanel::txt_path_Change() {
    if (Exists(txtPath_->text())) {
        dir1_->setPath(txtPath_->text());
    }
}

void OutputDirPanel::selectDriveOf(const QString& path) {
    // Drives can nest (a mount below "/"), so the longest matching root wins.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drive1_->count(); ++i) {
        const QString root = drive1_->itemData(i).toString();
        if (OnDrive(path, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        const QSignalBlocker blocker(drive1_);
        drive1_->setCurrentIndex(best);
    }
}

}  // namespace velnix::shell
