// The dialogs that open a table: the file dialog, then a look at the table's first rows with
// the choice whether its first row is a heading. Tests answer both through functions instead
// of modal dialogs.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "names/table_file.h"

class QCheckBox;

namespace velnix::shell {

// The chosen file, or an empty string when the user cancelled.
QString AskForTableFile(QWidget* parent);

// Shows the first rows of the table `text` (from the file at `path`) with "Erste Zeile ist
// Überschrift" set as the table reader guesses it; the user's choice, or nothing when the user
// cancelled.
std::optional<Heading> AskForTableHeading(QWidget* parent, const QString& path,
                                          std::u16string_view text);

// The look at the table: its first rows and the heading check box.
class TableHeadingDialog : public QDialog {
    Q_OBJECT
  public:
    TableHeadingDialog(QWidget* parent, const QString& path, std::u16string_view text);
    Heading heading() const;

  private:
    QCheckBox* heading_;
};

// While set, the functions answer instead of the dialogs; empty functions restore them. The
// heading's answer is given the dialog, as the user would see it.
void SetTableFileAnswerForTests(std::function<QString()> answer);
void SetTableHeadingAnswerForTests(
    std::function<std::optional<Heading>(TableHeadingDialog&)> answer);

}  // namespace velnix::shell
