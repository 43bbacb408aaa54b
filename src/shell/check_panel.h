// The area "Prüfung": the findings of the list check, the pair each one names, and what mends
// them: the order repair, the drawings taken along, the folder's models loaded along.
#pragma once

#include <QGroupBox>
#include <cstddef>
#include <vector>

#include "check/list_check.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace velnix::shell {

class Twips;

class CheckPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit CheckPanel(QWidget* parent);

    // Below the rule frame, as high as the window's height leaves room for.
    void place(const Twips& twips, int heightTwips);

    void showFindings(const std::vector<Finding>& findings);
    FindingCounts counts() const { return counts_; }

    // "Baugruppen und Zeichnungen des Ordners mitladen"
    bool loadFolder() const;
    void setLoadFolder(bool on);

  signals:
    // The user chose a finding of this pair (1-based).
    void pairChosen(std::size_t pair);
    void repairClicked();
    void takeDrawingsClicked();
    void loadFolderToggled();

  private:
    void choose(const QListWidgetItem* item);

    QLabel* summary_;
    QListWidget* findings_;
    QPushButton* takeDrawings_;
    QPushButton* repair_;
    QCheckBox* loadFolder_;
    FindingCounts counts_;
};

}  // namespace velnix::shell
