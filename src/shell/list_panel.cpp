#include "shell/list_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/twips.h"

namespace velnix::shell {
namespace {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// A designed line has no thickness; the frame gets the few pixels a sunken line needs,
// centred on the line's y.
QFrame* MakeLine(const QString& name, const Twips& twips, int x1, int x2, int y, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    const int left = twips.px(std::min(x1, x2));
    line->setGeometry(left, twips.px(y) - 1, twips.px(std::max(x1, x2)) - left, 3);
    return line;
}

}  // namespace

ListPanel::ListPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("kontextmenue"));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 192, 128));
    setPalette(colours);
    setAutoFillBackground(true);

    const Twips twips(*parent);
    twips.place(this, 1785, 1305, 2460, 3585);

    paste_ = MakeButton(QStringLiteral("paste"), QStringLiteral(" paste"), this);
    twips.place(paste_, 120, 615, 2220, 330);
    delete_ = MakeButton(QStringLiteral("cmd_del"), QStringLiteral("markiertes löschen"), this);
    twips.place(delete_, 105, 1080, 2220, 285);
    line1_ = MakeLine(QStringLiteral("Line1"), twips, 105, 2310, 1440, this);

    auto* label5 = new QLabel(QStringLiteral("Einzelner Eintrag:"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5_ = label5;
    twips.place(label5_, 105, 1485, 1380, 285);
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    twips.place(text1_, 105, 1710, 2220, 285);
    add_ = MakeButton(QStringLiteral("cmd_hinzu"), QStringLiteral("hinzufügen"), this);
    twips.place(add_, 105, 2025, 2220, 285);
    line2_ = MakeLine(QStringLiteral("Line2"), twips, 2310, 105, 2340, this);

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
