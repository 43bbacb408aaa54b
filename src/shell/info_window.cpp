#include "shell/info_window.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "shell/caption_fit.h"
#include "shell/controls.h"
#include "shell/info_placement.h"
#include "shell/picture_button.h"
#include "shell/pictures.h"
#include "shell/platform/platform.h"
#include "shell/twips.h"

namespace velnix::shell {
namespace {

// Lines 1 to 4 end with a blank before their line end, so that the box, which wraps the
// text, shows them as one running text.
const QString kDescription = QStringLiteral(
    "Erzeugung eines Mapkeys für Pro/ENGINEER zur Umbenennung von \r\n"
    "Teilen, Baugruppen und Zeichnungen. Die Software benötigt Schreibrechte in dem "
    "Verzeichnis in dem auch die \r\n"
    "Velnix.exe Datei liegt. Die für Pro/ENGINEER notwendigen Makros werden in Pro/E mit "
    "->Tools ->Optionen \r\n"
    "(Konfigurationsdatei öffnen) eingeladen und dort mit dem Makro \"rename\" ausgeführt. "
    "Sichern Sie auf jeden Fall \r\n"
    "Ihre Daten an einer sicheren Stelle bevor Sie Aktionen mit diesen Makros durchführen !\r\n");

const QString kLicence = QStringLiteral(
    "Velnix ist freie Software: Sie können es unter den Bedingungen der GNU General Public "
    "License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder "
    "verändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren "
    "Version (GPL-3.0-or-later).\n\n"
    "Velnix wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE "
    "GEWÄHRLEISTUNG; sogar ohne die implizite Gewährleistung der MARKTFÄHIGKEIT oder EIGNUNG "
    "FÜR EINEN BESTIMMTEN ZWECK.\n\n"
    "Den vollständigen Text der Lizenz finden Sie in der Datei LICENSE, die dem Programm "
    "beiliegt, und unter https://www.gnu.org/licenses/gpl-3.0.html.");

QPlainTextEdit* MakeTextBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setPlainText(text);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

}  // namespace

InfoWindow::InfoWindow(Platform& platform, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), platform_(platform) {
    setObjectName(QStringLiteral("frm_Info"));
    setWindowTitle(QStringLiteral("Info über Velnix"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    const Twips twips(*this);

    QLabel* name = MakeLabel(QStringLiteral("Label1"), QStringLiteral("Velnix"), this);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(15.75);
    serif.setBold(true);
    name->setFont(serif);
    twips.place(name, 1125, 30, 2055, 495);

    QLabel* version =
        MakeLabel(QStringLiteral("Label6"), QStringLiteral(VELNIX_VERSION_SHORT), this);
    SetBold(version);
    twips.place(version, 3120, 135, 330, 240);

    auto* picture = new PictureButton(QStringLiteral("Picture1"), pictures::kProgram, this);
    picture->setCursor(Qt::ArrowCursor);
    // A picture only: nothing to press.
    picture->setFocusPolicy(Qt::NoFocus);
    twips.place(picture, 3825, 45, 1575, 1215);

    QLabel* author = MakeLabel(QStringLiteral("Label3"), QStringLiteral(VELNIX_AUTHOR), this);
    SetBackground(author, Qt::white);
    twips.place(author, 3705, 1365, 1815, 255);
    QLabel* mail = MakeLabel(QStringLiteral("Label4"), QStringLiteral(VELNIX_MAIL), this);
    SetBackground(mail, Qt::white);
    twips.place(mail, 3705, 1605, 1815, 255);

    QString description = kDescription;
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    description.chop(1);
    twips.place(MakeTextBox(QStringLiteral("Text2"), description, this), 105, 540, 3270, 1950);

    QLabel* hint = MakeLabel(
        QStringLiteral("Label9"),
        QStringLiteral("Das Eingabemenue für die Listen erreichen Sie, wenn Sie mit der rechten "
                       "Maustaste auf die entsprechende Liste klicken."),
        this);
    hint->setWordWrap(true);
    SetBackground(hint, QColor(255, 255, 0));
    twips.place(hint, 3465, 1935, 2220, 1320);

    image1_ = new PictureButton(QStringLiteral("Image1"), pictures::kClose, this);
    twips.place(image1_, 2025, 2700, 540, 645);
    image2_ = new PictureButton(QStringLiteral("Image2"), pictures::kCloseHover, this);
    twips.place(image2_, 2025, 2700, 525, 645);
    image2_->hide();
    connect(image1_, &PictureButton::hovered, this, &InfoWindow::Image1_MouseMove);
    connect(image2_, &PictureButton::clicked, this, &QWidget::close);
    // The mouse always finds Image2 in its place; the keyboard presses Image1.
    connect(image1_, &PictureButton::clicked, this, &QWidget::close);
    image1_->setToolTip(QStringLiteral("Schließen"));
    image2_->setToolTip(image1_->toolTip());
    // Esc closes the window, as "ist ja gut" does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    MakeHorizontalLine(QStringLiteral("Line1"), twips, 465, 4000, 3300, this);

    label5_ = MakeLabel(QStringLiteral("Label5"), QStringLiteral(VELNIX_WEB_ADDRESS), this);
    SetTextColour(label5_, Qt::blue);
    label5_->setCursor(pictures::PointerCursor());
    label5_->installEventFilter(this);
    twips.place(label5_, 3150, 3540, 2295, 255);

    twips.place(MakeLabel(QStringLiteral("Label2"), QStringLiteral("Lizenz:"), this), 105, 3555,
                750, 240);
    twips.place(MakeTextBox(QStringLiteral("Text1"), kLicence, this), 105, 3810, 5370, 1350);

    QPushButton* ok = MakeButton(QStringLiteral("Command1"), QStringLiteral("ist ja gut"), this);
    twips.place(ok, 1905, 5220, 1650, 375);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    FitCaptions(this);
    resize(twips.px(info::kDesignedWidth), twips.px(info::kDesignedHeight));

    // One step a millisecond: the flip-book's pace when each step slept that long.
    opening_ = new QTimer(this);
    opening_->setTimerType(Qt::PreciseTimer);
    opening_->setInterval(1);
    connect(opening_, &QTimer::timeout, this, &InfoWindow::growOneStep);
}

void InfoWindow::openBeside(const QWidget& mainWindow) {
    const Twips twips(*this);
    const QRect frame = mainWindow.frameGeometry();
    const QRect screen = mainWindow.screen()->geometry();
    const int left =
        info::LeftEdge(twips.fromPx(screen.width()), twips.fromPx(frame.left() - screen.left()),
                       twips.fromPx(frame.width()));
    move(screen.left() + twips.px(left), frame.top());

    // The window grows from nothing; each step is painted at once, as in a flip-book.
    openingWidth_ = 0;
    resize(std::max(1, twips.px(openingWidth_)), height());
    show();
    opening_->start();
}

void InfoWindow::growOneStep() {
    // The last step is not trimmed: the window ends a little wider than designed.
    openingWidth_ += info::kAnimationStep;
    resize(Twips(*this).px(openingWidth_), height());
    repaint();
    if (openingWidth_ >= info::kDesignedWidth) {
        opening_->stop();
    }
}

void InfoWindow::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    // Moves over a control reach here too; only the free area takes the hover back.
    if (childAt(event->position().toPoint()) == nullptr) {
        Form_MouseMove();
    }
}

void InfoWindow::Image1_MouseMove() {
    image2_->show();
    image1_->hide();
}

void InfoWindow::Form_MouseMove() {
    image2_->hide();
    image1_->show();
}

bool InfoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label5_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label5_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void InfoWindow::Label5_Click() {
    platform_.shellExecute(label5_->text(), QStringLiteral("open"));
}

}  // namespace velnix::shell
