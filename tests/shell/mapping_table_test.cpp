// The two name lists: which list a mouse button makes active, the list panel's commands, and
// the list files in the program directory.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "names/list_file.h"
#include "shell/fake_platform.h"
#include "shell/list_panel.h"
#include "shell/mapping_table.h"
#include "shell/qt_text.h"
#include "shell/test_registry.h"
#include "shell/twips.h"

namespace velnix::test {
namespace {

using shell::MappingTable;

NameList Names(const QStringList& texts) {
    NameList names;
    for (const QString& text : texts) {
        names.push_back(shell::ToU16(text));
    }
    return names;
}

int MarkedRow(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

const QStringList kOld{"a", "", "b", ""};
const QStringList kNew{"x", "y"};

}  // namespace

class MappingTableTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        platform_ = std::make_unique<FakePlatform>();
        table_ = new MappingTable(window_.get(), *platform_);
        const shell::Twips twips(*window_);
        table_->place(twips, 5715);
        window_->resize(twips.px(9000), twips.px(7000));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        status_ = std::make_unique<QSignalSpy>(table_, &MappingTable::statusMessage);
        table_->setNames(ListId::Old, Names(kOld));
        table_->setNames(ListId::New, Names(kNew));
    }
    void cleanup() {
        status_.reset();
        window_.reset();
        platform_.reset();
    }

    // The mark is on row 0 of the clicked list, the other list is active.
    void mouseButtonOnList_data() {
        QTest::addColumn<ListId>("list");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("panelAfter");
        QTest::addColumn<ListId>("activeAfter");
        QTest::addColumn<int>("markAfter");
        QTest::newRow("right old")
            << ListId::Old << Qt::RightButton << 1 << true << ListId::Old << 0;
        QTest::newRow("right new")
            << ListId::New << Qt::RightButton << 1 << true << ListId::New << 0;
        QTest::newRow("left old") << ListId::Old << Qt::LeftButton << 1 << false << ListId::Old
                                  << 1;
        QTest::newRow("left new") << ListId::New << Qt::LeftButton << 1 << false << ListId::New
                                  << 1;
        QTest::newRow("left on the mark")
            << ListId::New << Qt::LeftButton << 0 << false << ListId::New << 0;
        QTest::newRow("middle") << ListId::Old << Qt::MiddleButton << 1 << true << ListId::New << 0;
    }
    void mouseButtonOnList() {
        QFETCH(ListId, list);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, row);
        QFETCH(bool, panelAfter);
        QListWidget* control = table_->list(list);
        control->setCurrentRow(0);
        activate(list == ListId::Old ? ListId::New : ListId::Old);
        // Starts in the state the button must change, except for the middle button.
        panel()->setVisible(button == Qt::MiddleButton ? panelAfter : !panelAfter);

        const QPoint at = control->visualItemRect(control->item(row)).center();
        QTest::mouseClick(control->viewport(), button, {}, at);

        QCOMPARE(panel()->isVisible(), panelAfter);
        QTEST(table_->activeList(), "activeAfter");
        QTEST(MarkedRow(control), "markAfter");
    }

    // A generate replaces a whole list; that is no click of the user's.
    void replacingNamesKeepsActiveListAndPanel() {
        table_->list(ListId::Old)->setCurrentRow(1);
        activate(ListId::New);
        panel()->show();
        table_->setNames(ListId::Old, Names({"c", "d"}));
        QCOMPARE(table_->activeList(), ListId::New);
        QVERIFY(panel()->isVisible());
    }

    void command_data() {
        QTest::addColumn<ListId>("active");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("markOld");
        QTest::addColumn<int>("markNew");
        QTest::addColumn<QStringList>("oldAfter");
        QTest::addColumn<QStringList>("newAfter");
        QTest::addColumn<bool>("panelAfter");
        QTest::newRow("add duplicate")
            << ListId::Old << "cmd_hinzu"
            << "a" << -1 << -1 << (kOld + QStringList{"a"}) << kNew << true;
        QTest::newRow("add empty") << ListId::New << "cmd_hinzu"
                                   << "" << -1 << -1 << kOld << QStringList{"x", "y", ""} << true;
        QTest::newRow("delete marked") << ListId::Old << "cmd_del"
                                       << "" << 2 << 0 << QStringList{"a"} << kNew << false;
        QTest::newRow("delete unmarked") << ListId::Old << "cmd_del"
                                         << "" << -1 << 0 << QStringList{"a", "b"} << kNew << false;
        QTest::newRow("delete ignores other list's mark") << ListId::New << "cmd_del"
                                                          << "" << 0 << -1 << kOld << kNew << false;
        QTest::newRow("clear old") << ListId::Old << "clear"
                                   << "" << 1 << 1 << QStringList{} << kNew << false;
        QTest::newRow("clear new") << ListId::New << "clear"
                                   << "" << 1 << 1 << kOld << QStringList{} << false;
        QTest::newRow("close") << ListId::New << "Image_EXIT"
                               << "" << -1 << -1 << kOld << kNew << false;
    }
    void command() {
        QFETCH(ListId, active);
        QFETCH(QString, button);
        QFETCH(QString, entry);
        QFETCH(int, markOld);
        QFETCH(int, markNew);
        table_->list(ListId::Old)->setCurrentRow(markOld);
        table_->list(ListId::New)->setCurrentRow(markNew);
        activate(active);
        panel()->show();
        panel()->findChild<QLineEdit*>("Text1")->setText(entry);

        click(button);

        QTEST(texts(ListId::Old), "oldAfter");
        QTEST(texts(ListId::New), "newAfter");
        QTEST(panel()->isVisible(), "panelAfter");
        QCOMPARE(panel()->entryText(), entry);
        if (button == "cmd_del") {
            QCOMPARE(MarkedRow(table_->list(active)), -1);
        }
    }

    void paste_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("LF") << "Name\nalpha\n\nbeta\n";
        QTest::newRow("CR LF") << "Name\r\nalpha\r\n\r\nbeta";
    }
    void paste() {
        QFETCH(QString, clipboard);
        QGuiApplication::clipboard()->setText(clipboard);
        activate(ListId::New);
        click("paste");
        click("paste");
        QCOMPARE(texts(ListId::New), (kNew + QStringList{"alpha", "beta", "alpha", "beta"}));
        QCOMPARE(texts(ListId::Old), kOld);
        QVERIFY(!panel()->isVisible());
    }

    void saveThenOpenRestores() {
        activate(ListId::New);
        click("open");  // no file yet: an empty list, no message
        QCOMPARE(texts(ListId::New), QStringList{});
        table_->setNames(ListId::New, Names(kOld));
        click("save");
        table_->setNames(ListId::New, Names({"z"}));
        click("open");
        QCOMPARE(texts(ListId::New), kOld);
        QCOMPARE(texts(ListId::Old), kOld);
        QCOMPARE(status_->count(), 0);
        QVERIFY(!panel()->isVisible());
    }

    // A folder in the list file's place can be neither read nor replaced.
    void fileFailuresKeepTheListAndReport() {
        QVERIFY(QDir().mkpath(listFile(ListId::Old)));
        click("open");
        click("save");
        QCOMPARE(texts(ListId::Old), kOld);
        QCOMPARE(status_->count(), 2);
        for (const auto& message : *status_) {
            QVERIFY(message.first().toString().startsWith("Fehler : "));
        }
    }

  private:
    shell::ListPanel* panel() const { return table_->panel(); }
    QStringList texts(ListId list) const {
        QStringList result;
        for (const auto& name : table_->names(list)) {
            result.push_back(shell::ToQString(name));
        }
        return result;
    }
    QString listFile(ListId list) const {
        return shell::ToQString(ListFilePath(shell::ToU16(platform_->programDirectory()), list));
    }
    void activate(ListId list) {
        window_->findChild<QRadioButton*>(list == ListId::Old ? "Option1" : "Option2")
            ->setChecked(true);
    }
    void click(const QString& name) {
        QWidget* button = panel()->findChild<QWidget*>(name);
        QVERIFY2(button != nullptr, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::unique_ptr<QWidget> window_;
    std::unique_ptr<FakePlatform> platform_;
    MappingTable* table_ = nullptr;
    std::unique_ptr<QSignalSpy> status_;
};

}  // namespace velnix::test

#include "mapping_table_test.moc"
VELNIX_REGISTER_QTEST(velnix::test::MappingTableTest)
