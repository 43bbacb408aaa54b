#include "shell/list_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/controls.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/twips.h"

namespace velnix::shell {

ListPanel::ListPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("kontextmenue"));
    SetBackground(this, QColor(255, 192, 128));

    const Twips twips(*parent);
    twips.place(this, 1785, 1305, 2460, 3585);

    paste_ = MakeButton(QStringLiteral("paste"), QStringLiteral(" paste"), this);
    twips.place(paste_, 120, 615, 2220, 330);
    delete_ = MakeButton(QStringLiteral("cmd_del"), QStringLiteral("markiertes löschen"), this);
    twips.place(delete_, 105, 1080, 2220, 285);
    line1_ = MakeHorizontalLine(QStringLiteral("Line1"), twips, 105, 2310, 1440, this);

    label5_ = MakeLabel(QStringLiteral("Label5"), QStringLiteral("Einzelner Eintrag:"), this);
    twips.place(label5_, 105, 1485, 1380, 285);
    text1_ = MakeLineEdit(QStringLiteral("Text1"), this);
    twips.place(text1_, 105, 1710, 2220, 285);
    add_ = MakeButton(QStringLiteral("cmd_hinzu"), QStringLiteral("hinzufügen"), this);
    twips.place(add_, 105, 2025, 2220, 285);
    line2_ = MakeHorizontalLine(QStringLiteral("Line2"), twips, 2310, 105, 2340, this);

    clear_ = MakeButton(QStringLiteral("clear"), QStringLiteral("Liste löschen"), this);
    twips.place(clear_, 105, 2475, 2220, 285);
    save_ = new PictureButton(QStringLiteral("save"), pictures::kSave, this);
    twips.place(save_, 420, 2970, 510, 495);
    open_ = MakeButton(QStringLiteral("open"), QStringLiteral("Liste öffnen"), this);
    twips.place(open_, 1155, 2970, 960, 495);
    close_ = new PictureButton(QStringLiteral("Image_EXIT"), pictures::kExit, this);
    twips.place(close_, 1890, 45, 480, 480);

    connect(paste_, &QPushButton::clicked, this, &ListPanel::pasteClicked);
    connect(delete_, &QPushButton::clicked, this, &ListPanel::deleteMarkedClicked);
    connect(add_, &QPushButton::clicked, this, &ListPanel::addClicked);
    connect(clear_, &QPushButton::clicked, this, &ListPanel::clearClicked);
    connect(save_, &PictureButton::clicked, this, &ListPanel::saveClicked);
    connect(open_, &QPushButton::clicked, this, &ListPanel::openClicked);
    connect(close_, &PictureButton::clicked, this, &ListPanel::closeClicked);
}

QString ListPanel::entryText() const {
    return text1_->text();
}

}  // namespace velnix::shell
