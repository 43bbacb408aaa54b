#include "shell/check_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/controls.h"
#include "shell/layout.h"
#include "shell/qt_text.h"
#include "shell/twips.h"

namespace velnix::shell {
namespace {

// A list of thousands of lines tells the user no more than its first few hundred, and each
// shown line costs the view a measurement of its wrapped text.
constexpr std::size_t kShownFindings = 300;

constexpr int kPairRole = Qt::UserRole;

const QColor kErrorColour(192, 0, 0);
const QColor kWarningColour(190, 95, 0);

QColor SeverityColour(Severity severity) {
    return severity == Severity::Error ? kErrorColour : kWarningColour;
}

// "Zeile 12: Fehler: …"; a finding about the lists as a whole names no row.
QString FindingLine(const Finding& finding) {
    const QString row =
        finding.pair > 0 ? QStringLiteral("Zeile %1: ").arg(static_cast<qulonglong>(finding.pair))
                         : QString();
    return row + ToQString(SeverityLabel(finding.severity)) + QStringLiteral(": ") +
           ToQString(finding.message);
}

bool IsDrawingNotListed(const Finding& finding) {
    return finding.code == FindingCode::DrawingNotListed;
}

}  // namespace

CheckPanel::CheckPanel(QWidget* parent) : QGroupBox(QStringLiteral("Prüfung"), parent) {
    setObjectName(QStringLiteral("fra_pruefung"));
    // The caption sits on the frame's line, as on the rule frame above.
    setStyleSheet(QStringLiteral(
        "QGroupBox#fra_pruefung { border: 1px solid palette(mid); margin-top: 7px; }"
        "QGroupBox#fra_pruefung::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));

    summary_ = MakeLabel(QStringLiteral("lbl_pruefung"), QString(), this);
    SetBold(summary_);
    findings_ = new QListWidget(this);
    findings_->setObjectName(QStringLiteral("list_pruefung"));
    findings_->setWordWrap(true);
    // A wrapped finding takes several lines; a gap and the colours show where the next begins.
    findings_->setAlternatingRowColors(true);
    findings_->setSpacing(1);
    findings_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    findings_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    findings_->setResizeMode(QListView::Adjust);
    // Two lines of findings still tell the user where to look; the area is hidden below that.
    findings_->setMinimumHeight(2 * findings_->fontMetrics().lineSpacing() +
                                2 * findings_->frameWidth());
    // Created in the order Tab takes, the option that is always there last.
    takeDrawings_ = MakeButton(QStringLiteral("cmd_zeichnungen"),
                               QStringLiteral("&Zeichnungen mitnehmen"), this);
    repair_ = MakeButton(QStringLiteral("cmd_reihenfolge"),
                         QStringLiteral("Reihenfolge reparieren"), this);
    // Two lines: the area is narrower than the caption.
    loadFolder_ =
        new QCheckBox(QStringLiteral("Baugruppen und Zeichnungen\ndes Ordners mit&laden"), this);
    loadFolder_->setObjectName(QStringLiteral("chk_mitladen"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(summary_);
    layout->addWidget(findings_, 1);
    layout->addWidget(takeDrawings_);
    layout->addWidget(repair_);
    layout->addWidget(loadFolder_);

    connect(findings_, &QListWidget::itemClicked, this, &CheckPanel::choose);
    connect(findings_, &QListWidget::itemActivated, this, &CheckPanel::choose);
    connect(repair_, &QPushButton::clicked, this, &CheckPanel::repairClicked);
    connect(takeDrawings_, &QPushButton::clicked, this, &CheckPanel::takeDrawingsClicked);
    connect(loadFolder_, &QCheckBox::toggled, this, &CheckPanel::loadFolderToggled);
    showFindings({});
}

void CheckPanel::place(const Twips& twips, int heightTwips) {
    twips.place(this, layout::kCheckLeft, layout::kCheckTop, layout::kCheckWidth, heightTwips);
    // The controls get their widths now, before the window fits its captions to them.
    layout()->activate();
}

void CheckPanel::showFindings(const std::vector<Finding>& findings) {
    counts_ = CountFindings(findings);
    summary_->setText(ToQString(SummaryText(counts_)));
    SetTextColour(summary_, counts_.errors > 0     ? kErrorColour
                            : counts_.warnings > 0 ? kWarningColour
                                                   : palette().color(QPalette::WindowText));
    repair_->setEnabled(std::any_of(findings.begin(), findings.end(), IsOrderFinding));
    takeDrawings_->setEnabled(std::any_of(findings.begin(), findings.end(), IsDrawingNotListed));

    findings_->setUpdatesEnabled(false);
    findings_->clear();
    const std::size_t shown = std::min(findings.size(), kShownFindings);
    for (std::size_t k = 0; k < shown; ++k) {
        const QString line = FindingLine(findings[k]);
        auto* item = new QListWidgetItem(line, findings_);
        item->setForeground(SeverityColour(findings[k].severity));
        item->setData(kPairRole, static_cast<qulonglong>(findings[k].pair));
        // Rich text, so that the tool tip wraps instead of spanning the screen.
        item->setToolTip(QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    if (findings.size() > shown) {
        new QListWidgetItem(QStringLiteral("… und %1 weitere")
                                .arg(static_cast<qulonglong>(findings.size() - shown)),
                            findings_);
    }
    findings_->setUpdatesEnabled(true);
}

bool CheckPanel::loadFolder() const {
    return loadFolder_->isChecked();
}

void CheckPanel::setLoadFolder(bool on) {
    loadFolder_->setChecked(on);
}

void CheckPanel::choose(const QListWidgetItem* item) {
    const std::size_t pair = item->data(kPairRole).toULongLong();
    if (pair > 0) {
        emit pairChosen(pair);
    }
}

}  // namespace velnix::shell
