// The two name lists: mouse buttons and keys, the list panel's commands, the list files.
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QOperatingSystemVersion>
#include <QRadioButton>
#include <QSignalSpy>

#include "names/list_file.h"
#include "shell/fake_platform.h"
#include "shell/list_panel.h"
#include "shell/mapping_table.h"
#include "shell/qt_text.h"
#include "shell/twips.h"
#include "shell/window_test.h"

namespace velnix::test {

class MappingTableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    std::unique_ptr<FakePlatform> platform_;
    shell::MappingTable* table_ = nullptr;
    std::unique_ptr<QSignalSpy> status_;

    shell::ListPanel* panel() const { return table_->panel(); }
    QListWidget* list(ListId id) const { return table_->list(id); }
    // The lists, marks in brackets, the active one, and what is shown: "a,[b] | x | old panel".
    QString state() const {
        return Entries(list(ListId::Old), true) + " | " + Entries(list(ListId::New), true) +
               (table_->activeList() == ListId::Old ? " | old" : " | new") +
               (panel()->isVisible() ? " panel" : "") + (status_->isEmpty() ? "" : " reported") +
               (panel()->entryText().isEmpty() ? "" : " entry " + panel()->entryText());
    }
    void activate(ListId id) {
        Child<QRadioButton>(window_.get(), id == ListId::Old ? "Option1" : "Option2")
            ->setChecked(true);
    }
    QListWidget* newList() const { return list(ListId::New); }
    // A button on the first entry of the new list, marked on its empty one.
    Steps press(Qt::MouseButton button) {
        return [this, button] {
            panel()->setVisible(button != Qt::RightButton);
            {
                const QSignalBlocker quiet(newList());  // set-up, not a click of the user's
                newList()->setCurrentRow(1);
            }
            QTest::mouseClick(newList()->viewport(), button, {},
                              newList()->visualItemRect(newList()->item(0)).center());
        };
    }
    Steps keyOn(ListId id, Qt::Key key, Qt::KeyboardModifiers keys = {}) {
        return [this, id, key, keys] { QTest::keyClick(list(id), key, keys); };
    }
    // A panel command on the active list, clicked or run by a key on it.
    void run(ListId active, const char* command, Qt::Key key = Qt::Key_unknown) {
        activate(active);
        panel()->show();
        if (key == Qt::Key_unknown) {
            Click(panel(), command);
        } else {
            Child(panel(), command)->setFocus();
            QTest::keyClick(Child(panel(), command), key);
        }
    }
    Steps command(ListId active, const char* name, Qt::Key key = Qt::Key_unknown) {
        return [this, active, name, key] { run(active, name, key); };
    }
    QString listFile(const QString& directory) const {
        return shell::ToQString(ListFilePath(shell::ToU16(directory), ListId::New));
    }

  private slots:
    void init() {
        status_.reset();
        window_ = std::make_unique<QWidget>();
        platform_ = std::make_unique<FakePlatform>();
        platform_->clipboard = "Name\r\nalpha\n\nbeta\n";
        table_ = new shell::MappingTable(window_.get(), *platform_);
        const shell::Twips twips(*window_);
        table_->place(twips, 5715);
        window_->resize(twips.px(9000), twips.px(7000));
        ShowActive(*window_);
        panel()->hide();
        status_ = std::make_unique<QSignalSpy>(table_, &shell::MappingTable::statusMessage);
        table_->setNames(ListId::Old, {u"a", u"", u"b", u""});
        table_->setNames(ListId::New, {u"x", u"", u"y"});
        const QSignalBlocker quiet(list(ListId::Old));
        list(ListId::Old)->setCurrentRow(2);
    }

    // From the old list active and marked on "b", the panel closed. The one mark stays wherever
    // the user clicks; only adding keeps the panel open.
    void pressesAndCommands_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("right button") << press(Qt::RightButton) << "a,,[b], | x,[],y | new panel";
        QTest::newRow("left button") << press(Qt::LeftButton) << "a,,[b], | [x],,y | new";
        QTest::newRow("Shift+F10") << keyOn(ListId::New, Qt::Key_F10, Qt::ShiftModifier) << "a,,[b], | x,,y | new panel";
        QTest::newRow("add an empty entry") << command(ListId::New, "cmd_hinzu") << "a,,[b], | x,,y, | new panel";
        // Removing only the empty entries would shift the pairs without being asked to.
        QTest::newRow("delete without a mark") << command(ListId::New, "cmd_del") << "a,,[b], | x,,y | new reported";
        QTest::newRow("close by Enter") << command(ListId::Old, "Image_EXIT", Qt::Key_Return) << "a,,[b], | x,,y | old";
        // Pasted without empty lines and the heading.
        QTest::newRow("Ctrl+V on a list") << keyOn(ListId::New, Qt::Key_V, Qt::ControlModifier) << "a,,[b], | x,,y,alpha,beta | new reported";
        QTest::newRow("Del on a list: the marked and the empty entries") << keyOn(ListId::Old, Qt::Key_Delete) << "a | x,,y | old";
        // clang-format on
        QTest::newRow("context-menu event") << Steps([this] {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
            QApplication::sendEvent(newList(), &event);
        }) << "a,,[b], | x,,y | new panel";
        // The keyboard stays in the field for the next entry; a name already there is added too.
        QTest::newRow("add by Enter in the field") << Steps([this] {
            Child<QLineEdit>(panel(), "Text1")->setText("a");
            run(ListId::Old, "Text1", Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), "Text1");
        }) << "a,,[b],,a | x,,y | old panel entry a";
        // A command run by the keyboard hands it back to the list.
        QTest::newRow("clear by Enter") << Steps([this] {
            run(ListId::Old, "clear", Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), list(ListId::Old));
        }) << " | x,,y | old";
        QTest::newRow("F2 edits the mark in place") << Steps([this] {
            QTest::keyClick(list(ListId::Old), Qt::Key_F2);
            QTest::keyClicks(QApplication::focusWidget(), "c");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();  // the view takes the edit after the key
        }) << "a,,[c], | x,,y | old";
        QTest::newRow("double click edits in place") << Steps([this] {
            const QPoint entry = newList()->visualItemRect(newList()->item(2)).center();
            QTest::mouseClick(newList()->viewport(), Qt::LeftButton, {}, entry);
            QTest::mouseDClick(newList()->viewport(), Qt::LeftButton, {}, entry);
            QTest::keyClicks(QApplication::focusWidget(), "z");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();
        }) << "a,,[b], | x,,[z] | new";
        // The keyboard stays in the entry field, where the next entry is typed.
        QTest::newRow("Alt+N, then Alt+A in the entry field") << Steps([this] {
            panel()->show();
            auto* field = Child<QLineEdit>(panel(), "Text1");
            field->setFocus();
            QTest::keyClick(field, Qt::Key_N, Qt::AltModifier);
            QCOMPARE(table_->activeList(), ListId::New);
            QTest::keyClick(field, Qt::Key_A, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), field);
        }) << "a,,[b], | x,,y | old panel";
        QTest::newRow("a generate replacing a list is no click") << Steps([this] {
            activate(ListId::New);
            panel()->show();
            table_->setNames(ListId::Old, {u"c", u"d"});
        }) << "c,d | x,,y | new panel";
    }
    void pressesAndCommands() {
        QFETCH(Steps, steps);
        const QSignalSpy changed(table_, &shell::MappingTable::namesChanged);
        steps();
        // An edit in place is a change of the names, as any command's.
        const QString names = state().section(" | ", 0, 1).remove('[').remove(']');
        QCOMPARE(changed.isEmpty(), names == "a,,b, | x,,y");
        QTEST(state(), "after");
        QVERIFY(status_->isEmpty() ||
                status_->first().first().toString().contains(
                    "\"" + shell::ToQString(ListCaption(table_->activeList())) + "\""));
    }

    // Scrolled by the keyboard, the other list shows the same first row, as far as it has rows;
    // the other list keeps its mark.
    void scrollingKeepsPairsSideBySide_data() {
        QTest::addColumn<bool>("scrollOld");
        QTest::addColumn<int>("newCount");
        QTest::newRow("End in the old list") << true << 100;
        QTest::newRow("End in the new list") << false << 100;
        QTest::newRow("End in the longer old list") << true << 30;
    }
    void scrollingKeepsPairsSideBySide() {
        QFETCH(bool, scrollOld);
        QFETCH(int, newCount);
        NameList names(100);
        for (std::size_t row = 0; row < names.size(); ++row) {
            names[row] = shell::ToU16(QString::number(row));
        }
        table_->setNames(ListId::Old, names);
        table_->setNames(ListId::New, NameList(names.begin(), names.begin() + newCount));
        QListWidget* scrolled = list(scrollOld ? ListId::Old : ListId::New);
        QListWidget* other = list(scrollOld ? ListId::New : ListId::Old);
        {
            const QSignalBlocker quiet(other);
            other->setCurrentRow(1);
        }
        scrolled->setFocus();
        QTest::keyClick(scrolled, Qt::Key_End);
        const auto firstRow = [](QListWidget* control) { return control->indexAt({2, 2}).row(); };
        QVERIFY(firstRow(scrolled) > 0);
        if (newCount == 100) {
            QCOMPARE(firstRow(other), firstRow(scrolled));
        } else {
            // Each list at its end: the shorter one does not pull the longer one back.
            for (QListWidget* control : {scrolled, other}) {
                const QListWidgetItem* last = control->item(control->count() - 1);
                QVERIFY(control->viewport()->rect().contains(control->visualItemRect(last)));
            }
        }
        QCOMPARE(other->selectedItems().size(), 1);
        QCOMPARE(other->selectedItems().first()->text(), "1");
    }

    // Beside the program when a file can be created there (only trying tells: root may write
    // to /proc by the bits), else in the user's data directory; the probe leaves nothing.
    void listFilesGoWhereTheUserCanWrite_data() {
        QTest::addColumn<QString>("program");  // empty: a writable folder
        QTest::newRow("portable copy") << QString();
        QTest::newRow("installed below a file") << "plain/bin";
        if (QOperatingSystemVersion::currentType() != QOperatingSystemVersion::Windows) {
            QTest::newRow("installed where only the bits let root write") << "/proc";
        }
    }
    void listFilesGoWhereTheUserCanWrite() {
        QFETCH(QString, program);
        const bool beside = program.isEmpty();
        QFile(platform_->path("plain")).open(QIODevice::WriteOnly);
        if (!beside) {
            platform_->program = program.startsWith('/') ? program : platform_->path(program);
        }
        const QString data = listFile(platform_->userDataDirectory());
        run(ListId::New, "open");  // no file anywhere: an empty list, no message
        QCOMPARE(state(), "a,,[b], |  | new");
        if (beside) {
            QVERIFY(QDir().mkpath(platform_->userDataDirectory()));
            QVERIFY(WriteListFile(shell::ToU16(data), {u"earlier"}).ok);
            run(ListId::New, "open");
            QCOMPARE(state(), "a,,[b], | earlier | new");
        }
        table_->setNames(ListId::New, {u"x", u"", u"y"});
        run(ListId::New, "save");
        table_->setNames(ListId::New, {u"z"});
        run(ListId::New, "open");
        QCOMPARE(state(), "a,,[b], | x,,y | new reported");
        const QString saved = status_->last().first().toString();
        QVERIFY2(saved.contains(beside ? listFile(platform_->programDirectory()) : data),
                 qPrintable(saved));
        QCOMPARE(QDir(platform_->path("program"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 beside ? QStringList{QFileInfo(data).fileName()} : QStringList());
    }

    // A folder in the list file's place can be neither read nor replaced.
    void fileFailuresKeepTheListAndReport() {
        QVERIFY(QDir().mkpath(listFile(platform_->programDirectory())));
        run(ListId::New, "open");
        run(ListId::New, "save");
        QCOMPARE(state(), "a,,[b], | x,,y | new reported");
        QCOMPARE(status_->count(), 2);
        for (const auto& message : *status_) {
            QVERIFY(message.first().toString().startsWith("Fehler : "));
        }
    }
};

}  // namespace velnix::test

#include "mapping_table_test.moc"
VELNIX_WINDOW_TEST_MAIN(velnix::test::MappingTableTest)
