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

    QPushButton* paste = MakeButton(QStringLiteral("paste"), QStringLiteral(" paste"), this);
    twips.place(paste, 120, 615, 2220, 330);
    first_ = paste;
    QPushButton* deleteMarked =
        MakeButton(QStringLiteral("cmd_del"), QStringLiteral("markiertes löschen"), this);
    twips.place(deleteMarked, 105, 1080, 2220, 285);
    MakeHorizontalLine(QStringLiteral("Line1"), twips, 105, 2310, 1440, this);

    QLabel* label5 =
        MakeLabel(QStringLiteral("Label5"), QStringLiteral("Einzelner Eintrag:"), this);
    twips.place(label5, 105, 1485, 1380, 285);
    text1_ = MakeLineEdit(QStringLiteral("Text1"), this);
    twips.place(text1_, 105, 1710, 2220, 285);
    QPushButton* add = MakeButton(QStringLiteral("cmd_hinzu"), QStringLiteral("hinzufügen"), this);
    twips.place(add, 105, 2025, 2220, 285);
    MakeHorizontalLine(QStringLiteral("Line2"), twips, 2310, 105, 2340, this);

    QPushButton* clear = MakeButton(QStringLiteral("clear"), QStringLiteral("Liste löschen"), this);
    twips.place(clear, 105, 2475, 2220, 285);
    auto* save = new PictureButton(QStringLiteral("save"), pictures::kSave, this);
    twips.place(save, 420, 2970, 510, 495);
    save->setToolTip(QStringLiteral("Liste in ihrer Listendatei speichern"));
    QPushButton* openList =
        MakeButton(QStringLiteral("open"), QStringLiteral("Liste öffnen"), this);
    twips.place(openList, 1155, 2970, 960, 495);
    openList->setToolTip(QStringLiteral("Liste aus ihrer Listendatei öffnen"));
    QPushButton* openTable =
        MakeButton(QStringLiteral("cmd_tabelle"), QStringLiteral("Tabelle öffnen"), this);
    twips.place(openTable, 105, 3600, 2220, 285);
    auto* closePanel = new PictureButton(QStringLiteral("Image_EXIT"), pictures::kExit, this);
    twips.place(closePanel, 1890, 45, 480, 480);
    closePanel->setToolTip(QStringLiteral("Listenmenü schließen"));

    connect(paste, &QPushButton::clicked, this, &ListPanel::pasteClicked);
    connect(deleteMarked, &QPushButton::clicked, this, &ListPanel::deleteMarkedClicked);
    connect(add, &QPushButton::clicked, this, &ListPanel::addClicked);
    // Enter in the entry field adds, as the button beneath it does.
    connect(text1_, &QLineEdit::returnPressed, this, &ListPanel::addClicked);
    connect(clear, &QPushButton::clicked, this, &ListPanel::clearClicked);
    connect(save, &PictureButton::clicked, this, &ListPanel::saveClicked);
    connect(openList, &QPushButton::clicked, this, &ListPanel::openClicked);
    connect(openTable, &QPushButton::clicked, this, &ListPanel::tableClicked);
    connect(closePanel, &PictureButton::clicked, this, &ListPanel::closeClicked);
}

QString ListPanel::entryText() const {
    return text1_->text();
}

void ListPanel::focusFirstCommand() {
    // Shown as after Tab: the styles draw the focus only once the keyboard has moved it.
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    first_->setFocus(Qt::TabFocusReason);
}

}  // namespace velnix::shell
