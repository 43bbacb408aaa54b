#include "shell/mapping_table.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <optional>

#include "names/editing.h"
#include "names/list_file.h"
#include "names/rule.h"
#include "names/table_file.h"
#include "shell/list_file_place.h"
#include "shell/list_panel.h"
#include "shell/name_list_view.h"
#include "shell/platform/platform.h"
#include "shell/qt_text.h"
#include "shell/scroll_link.h"
#include "shell/table_file_dialog.h"
#include "shell/twips.h"
#include "util/paths.h"

namespace velnix::shell {
namespace {

// The keys that open a context menu: the menu key, and Shift+F10 as on Windows.
bool IsContextMenuKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

// "1 Paar", "2 Paare": the count with its noun.
QString Counted(std::size_t count, const QString& one, const QString& many) {
    return QStringLiteral("%1 ").arg(static_cast<qulonglong>(count)) + (count == 1 ? one : many);
}

}  // namespace

MappingTable::MappingTable(QWidget* window, Platform& platform)
    : QObject(window), platform_(platform) {
    // Alt+A and Alt+N switch the list that the commands act on.
    option1_ = new QRadioButton(QLatin1Char('&') + ToQString(ListCaption(ListId::Old)), window);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QLatin1Char('&') + ToQString(ListCaption(ListId::New)), window);
    option2_->setObjectName(QStringLiteral("Option2"));
    option1_->installEventFilter(this);
    option2_->installEventFilter(this);
    // Other option buttons of the window must not take part in this choice.
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(option1_);
    group->addButton(option2_);
    option1_->setChecked(true);

    oldList_ = MakeList(QStringLiteral("list_OldName"), window);
    newList_ = MakeList(QStringLiteral("list_NewName"), window);
    for (const ListId id : {ListId::Old, ListId::New}) {
        QListWidget* control = list(id);
        control->installEventFilter(this);
        control->viewport()->installEventFilter(this);
        connect(control, &QListWidget::itemSelectionChanged, this, [this, id] { list_Click(id); });
        connect(control, &QListWidget::itemDoubleClicked, this, [this, id] { editMarked(id); });
        connect(control, &QListWidget::itemChanged, this, &MappingTable::namesChanged);
    }
    LinkScrolling(*oldList_, *newList_);

    panel_ = new ListPanel(window);
    connect(panel_, &ListPanel::pasteClicked, this, &MappingTable::paste_Click);
    connect(panel_, &ListPanel::deleteMarkedClicked, this, &MappingTable::cmd_del_Click);
    connect(panel_, &ListPanel::addClicked, this, &MappingTable::cmd_hinzu_Click);
    connect(panel_, &ListPanel::clearClicked, this, &MappingTable::clear_Click);
    connect(panel_, &ListPanel::saveClicked, this, &MappingTable::save_Click);
    connect(panel_, &ListPanel::openClicked, this, &MappingTable::open_Click);
    connect(panel_, &ListPanel::tableClicked, this, &MappingTable::cmd_tabelle_Click);
    connect(panel_, &ListPanel::closeClicked, this, &MappingTable::hidePanel);
}

void MappingTable::place(const Twips& twips, int listHeightTwips) {
    twips.place(option1_, 105, 405, 1380, 195);
    twips.place(option2_, 3045, 405, 1380, 195);
    twips.place(oldList_, 105, 630, 2700, listHeightTwips);
    twips.place(newList_, 2940, 630, 2700, listHeightTwips);
    twips.place(panel_, 1785, 1305, 2460, ListPanel::kHeightTwips);
}

NameList MappingTable::names(ListId list) const {
    return NamesOf(*this->list(list));
}

NamePairs MappingTable::pairsToRename() const {
    return PairsToRename(names(ListId::Old), names(ListId::New));
}

void MappingTable::setNames(ListId list, const NameList& names) {
    fill(list, names);
    emit namesChanged();
}

void MappingTable::setPairs(const NamePairs& pairs) {
    fill(ListId::Old, pairs.oldNames);
    fill(ListId::New, pairs.newNames);
    emit namesChanged();
}

void MappingTable::appendPairs(const NamePairs& pairs) {
    append(ListId::Old, pairs.oldNames);
    append(ListId::New, pairs.newNames);
    emit namesChanged();
}

void MappingTable::fill(ListId list, const NameList& names) {
    QListWidget& control = *this->list(list);
    const QuietFill quiet(control);
    SetNames(control, names);
}

void MappingTable::append(ListId list, const NameList& names) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names) {
        texts.push_back(ToQString(name));
    }
    QListWidget& control = *this->list(list);
    const QuietFill quiet(control);
    control.addItems(texts);
}

void MappingTable::markPair(std::size_t pair) {
    const int row = static_cast<int>(pair - 1);
    for (const ListId id : {ListId::Old, ListId::New}) {
        QListWidget& control = *list(id);
        // A look at the pair, not a click: list_Click would switch the list and hide the panel.
        const QSignalBlocker quiet(&control);
        if (row < control.count()) {
            control.setCurrentRow(row);
            control.scrollToItem(control.item(row), QAbstractItemView::PositionAtCenter);
        } else {
            // The shorter list has no such entry; an old mark there would name another pair.
            control.clearSelection();
        }
    }
}

ListId MappingTable::activeList() const {
    return option2_->isChecked() ? ListId::New : ListId::Old;
}

QListWidget* MappingTable::list(ListId list) const {
    return list == ListId::Old ? oldList_ : newList_;
}

bool MappingTable::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == option1_ || watched == option2_) && event->type() == QEvent::Shortcut) {
        // The keyboard stays where the user types the entries; only the active list changes.
        static_cast<QRadioButton*>(watched)->setChecked(true);
        return true;
    }
    ListId id;
    if (watched == oldList_ || watched == oldList_->viewport()) {
        id = ListId::Old;
    } else if (watched == newList_ || watched == newList_->viewport()) {
        id = ListId::New;
    } else {
        return QObject::eventFilter(watched, event);
    }
    if (watched == list(id)) {
        return listKeyboardEvent(id, *event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
            list_MouseDown(id, button);
            // Only the left button may move the mark; the view would select with any button.
            return button != Qt::LeftButton;
        }
        case QEvent::MouseButtonRelease:
            return static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton;
        case QEvent::ContextMenu:
            // The list panel is this list's context menu.
            return true;
        default:
            return false;
    }
}

// The keyboard's way to the list panel: the menu key or Shift+F10 on the list, and the
// context-menu event that some systems make of them. Ctrl+V, Del and F2 run their commands
// on the list as in a file list of Windows.
bool MappingTable::listKeyboardEvent(ListId list, QEvent& event) {
    if (event.type() == QEvent::KeyPress) {
        const auto& key = static_cast<QKeyEvent&>(event);
        if (key.matches(QKeySequence::Paste)) {
            activate(list);
            paste_Click();
            return true;
        }
        if (key.modifiers() == Qt::NoModifier && key.key() == Qt::Key_Delete) {
            activate(list);
            cmd_del_Click();
            return true;
        }
        if (key.modifiers() == Qt::NoModifier && key.key() == Qt::Key_F2) {
            editMarked(list);
            return true;
        }
    }
    const bool opens =
        (event.type() == QEvent::KeyPress && IsContextMenuKey(static_cast<QKeyEvent&>(event))) ||
        (event.type() == QEvent::ContextMenu &&
         static_cast<QContextMenuEvent&>(event).reason() == QContextMenuEvent::Keyboard);
    if (!opens) {
        return false;
    }
    list_MouseDown(list, Qt::RightButton);
    panel_->focusFirstCommand();
    return true;
}

void MappingTable::list_MouseDown(ListId list, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        panel_->show();
        activate(list);
    } else if (button == Qt::LeftButton) {
        hidePanel();
        activate(list);
    }
}

void MappingTable::list_Click(ListId list) {
    activate(list);
    hidePanel();
}

void MappingTable::cmd_hinzu_Click() {
    QListWidget& control = *list(activeList());
    {
        const QuietFill quiet(control);
        control.addItem(panel_->entryText());
    }
    emit namesChanged();
}

void MappingTable::cmd_del_Click() {
    const ListId id = activeList();
    // Without a mark the command would remove only the empty entries, which the user did
    // not ask for.
    if (const std::optional<std::size_t> marked = MarkedRow(*list(id))) {
        setNames(id, DeleteMarked(names(id), marked));
    } else {
        emit statusMessage(QStringLiteral("Achtung : In der Liste \"") +
                           ToQString(ListCaption(id)) +
                           QStringLiteral("\" ist kein Eintrag markiert; es wurde nichts "
                                          "gelöscht."));
    }
    hidePanel();
}

void MappingTable::editMarked(ListId id) {
    QListWidget& control = *list(id);
    const std::optional<std::size_t> marked = MarkedRow(control);
    if (!marked) {
        return;
    }
    QListWidgetItem* item = control.item(static_cast<int>(*marked));
    {
        // Making the entry editable changes no name.
        const QSignalBlocker quiet(&control);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    control.editItem(item);
}

void MappingTable::clear_Click() {
    setNames(activeList(), {});
    hidePanel();
}

void MappingTable::open_Click() {
    const ListId id = activeList();
    Result<NameList> read = ReadListFile(ToU16(ListFileForOpening(platform_, id)));
    if (read.ok()) {
        setNames(id, *read.value);
    } else {
        emit statusMessage(ToQString(read.error));
    }
    hidePanel();
}

void MappingTable::save_Click() {
    const ListId id = activeList();
    const ListFilePlace place = ListFileForSaving(platform_, id);
    if (!place.besideProgram) {
        // A failure shows in the write's own message, which names the file.
        QDir().mkpath(platform_.userDataDirectory());
    }
    const Status written = WriteListFile(ToU16(place.path), names(id));
    if (!written.ok) {
        emit statusMessage(ToQString(written.message));
    } else {
        emit statusMessage(
            QStringLiteral("Die Liste \"") + ToQString(ListCaption(id)) +
            QStringLiteral("\" wurde in \"") + place.path + QStringLiteral("\" gespeichert") +
            (place.besideProgram ? QStringLiteral(".")
                                 : QStringLiteral(", weil Velnix im Programmverzeichnis \"") +
                                       platform_.programDirectory() +
                                       QStringLiteral("\" keine Dateien anlegen kann.")));
    }
    hidePanel();
}

void MappingTable::paste_Click() {
    const std::u16string text = ToU16(platform_.clipboardText());
    if (!IsTwoColumnPaste(text)) {
        const NameList names = SplitPastedText(text);
        append(activeList(), names);
        emit namesChanged();
        reportAdded(Counted(names.size(), QStringLiteral("Name"), QStringLiteral("Namen")) +
                        QStringLiteral(" in die Liste \"") + ToQString(ListCaption(activeList())) +
                        QStringLiteral("\" eingefügt."),
                    0);
    } else if (const Result<Table> table = ParseTable(text, u'\t', u"Zwischenablage"); table.ok()) {
        // Two columns from a spreadsheet are pairs: each goes to its own list, whichever
        // list is active.
        appendPairs(table.value->pairs);
        reportAdded(Counted(table.value->pairs.oldNames.size(), QStringLiteral("Paar"),
                            QStringLiteral("Paare")) +
                        QStringLiteral(" an beide Listen angefügt."),
                    table.value->headingLine);
    } else {
        emit statusMessage(ToQString(table.error));
    }
    hidePanel();
}

void MappingTable::cmd_tabelle_Click() {
    const QString path = platform_.askForTableFile(panel_->window());
    if (!path.isEmpty()) {
        openTable(path);
    }
    hidePanel();
}

void MappingTable::openTable(const QString& path) {
    const Result<std::u16string> text = ReadTableText(ToFsPath(ToU16(path)));
    if (!text.ok()) {
        emit statusMessage(ToQString(text.error));
        return;
    }
    TableHeadingDialog dialog(panel_->window(), path, *text.value);
    const std::optional<Heading> heading = platform_.askForTableHeading(dialog);
    if (!heading) {
        return;
    }
    const Result<Table> table =
        ParseTable(*text.value, DetectSeparator(*text.value), ToU16(path), *heading);
    if (!table.ok()) {
        emit statusMessage(ToQString(table.error));
        return;
    }
    setPairs(table.value->pairs);
    reportAdded(Counted(table.value->pairs.oldNames.size(), QStringLiteral("Paar"),
                        QStringLiteral("Paare")) +
                    QStringLiteral(" aus der Tabelle gelesen; beide Listen wurden ersetzt."),
                table.value->headingLine);
}

void MappingTable::reportAdded(const QString& added, std::size_t headingLine) {
    emit statusMessage(headingLine == 0
                           ? added
                           : added + QStringLiteral(" Zeile %1 als Überschrift gelesen.")
                                         .arg(static_cast<qulonglong>(headingLine)));
}

void MappingTable::hidePanel() {
    // The keyboard goes back to the list the command acted on, not on to whichever control
    // follows the panel.
    if (panel_->isAncestorOf(QApplication::focusWidget())) {
        list(activeList())->setFocus(Qt::OtherFocusReason);
    }
    panel_->hide();
}

void MappingTable::activate(ListId list) {
    (list == ListId::Old ? option1_ : option2_)->setChecked(true);
}

}  // namespace velnix::shell
