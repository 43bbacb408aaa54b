// The dialogs that open a table: the file dialog, then a look at the table's first rows with
// the choice whether its first row is a heading. The window reaches them through its Platform.
#pragma once

#include <QDialog>
#include <QString>

#include "names/table_file.h"

class QCheckBox;

namespace velnix::shell {

// The chosen file, or an empty string when the user cancelled.
QString AskForTableFile(QWidget* parent);

// The look at the table `text` (from the file at `path`): its first rows and "Erste Zeile ist
// Überschrift", set as the table reader guesses it.
class TableHeadingDialog : public QDialog {
    Q_OBJECT
  public:
    TableHeadingDialog(QWidget* parent, const QString& path, std::u16string_view text);
    Heading heading() const;

  private:
    QCheckBox* heading_;
};

}  // namespace velnix::shell
