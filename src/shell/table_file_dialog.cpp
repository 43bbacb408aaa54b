#include "shell/table_file_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace velnix::shell {
namespace {

constexpr int kShownRows = 8;

// The first rows as the file holds them, each line cut to a readable width.
QString FirstRows(std::u16string_view text) {
    QStringList rows;
    for (const QString& line :
         ToQString(text).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        if (rows.size() == kShownRows) {
            rows << QStringLiteral("…");
            break;
        }
        rows << (line.size() > 120 ? line.left(119) + QStringLiteral("…") : line);
    }
    return rows.join(u'\n');
}

}  // namespace

QString AskForTableFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Tabelle öffnen"), QString(),
                                        QStringLiteral("Tabellen (*.csv *.tsv *.txt)"));
}

TableHeadingDialog::TableHeadingDialog(QWidget* parent, const QString& path,
                                       std::u16string_view text)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlg_tabelle"));
    setWindowTitle(QStringLiteral("Tabelle öffnen"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(
        QStringLiteral("Die ersten Zeilen von %1:").arg(QFileInfo(path).fileName()), this);
    layout->addWidget(caption);
    auto* rows = new QPlainTextEdit(FirstRows(text), this);
    rows->setObjectName(QStringLiteral("txt_zeilen"));
    rows->setReadOnly(true);
    rows->setLineWrapMode(QPlainTextEdit::NoWrap);
    rows->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    rows->setMinimumSize(420, 160);
    layout->addWidget(rows);
    heading_ = new QCheckBox(QStringLiteral("Erste Zeile ist Überschrift"), this);
    heading_->setObjectName(QStringLiteral("chk_ueberschrift"));
    heading_->setChecked(LooksLikeHeading(text, DetectSeparator(text)));
    layout->addWidget(heading_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Öffnen"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    heading_->setFocus();
}

Heading TableHeadingDialog::heading() const {
    return heading_->isChecked() ? Heading::Yes : Heading::No;
}

}  // namespace velnix::shell
