// The mapping table: the two name lists with their option buttons, and the list commands of
// the list panel (add, delete marked, clear, open, save, paste, open a table).
#pragma once

#include <QObject>
#include <cstddef>

#include "names/name_list.h"

class QListWidget;
class QRadioButton;
class QWidget;

namespace velnix::shell {

class ListPanel;
class Platform;
class Twips;

class MappingTable : public QObject {
    Q_OBJECT
  public:
    // Creates Option1, Option2, list_OldName, list_NewName and the list panel as children
    // of the window.
    MappingTable(QWidget* window, Platform& platform);

    // Designed positions; the lists get the height that the resize rule gives.
    void place(const Twips& twips, int listHeightTwips);

    NameList names(ListId list) const;
    // The pairs that generate, the check and the repair take: the old names cleaned up.
    NamePairs pairsToRename() const;
    void setNames(ListId list, const NameList& names);
    // Replaces both lists as one change.
    void setPairs(const NamePairs& pairs);
    // Adds the pairs at the end of both lists as one change.
    void appendPairs(const NamePairs& pairs);
    ListId activeList() const;

    // Marks pair `pair` (1-based) in both lists and scrolls both to it, as a look at the
    // pair, not a click: the active list and the list panel stay as they are.
    void markPair(std::size_t pair);

    // As the panel's close picture: the keyboard goes back to the active list.
    void closePanel() { hidePanel(); }

    ListPanel* panel() const { return panel_; }
    QListWidget* list(ListId list) const;

  signals:
    // A failure of a list command, for the status line.
    void statusMessage(const QString& text);
    // Either list changed, by a command or by setNames and setPairs.
    void namesChanged();

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool listKeyboardEvent(ListId list, QEvent& event);

    void list_MouseDown(ListId list, Qt::MouseButton button);
    void list_Click(ListId list);
    void cmd_hinzu_Click();
    void cmd_del_Click();
    void clear_Click();
    void open_Click();
    void save_Click();
    void paste_Click();
    void cmd_tabelle_Click();
    // Opens the marked entry of the list for editing in its place.
    void editMarked(ListId list);
    // Reads the table, asks about its heading and replaces both lists with its pairs.
    void openTable(const QString& path);

    void fill(ListId list, const NameList& names);
    void append(ListId list, const NameList& names);

    // Says how many entries came in and which row of a table was its heading, if one was.
    void reportAdded(const QString& added, std::size_t headingLine);
    void hidePanel();
    void activate(ListId list);

    Platform& platform_;
    QRadioButton* option1_;
    QRadioButton* option2_;
    QListWidget* oldList_;
    QListWidget* newList_;
    ListPanel* panel_;
};

}  // namespace velnix::shell
